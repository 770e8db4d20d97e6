#pragma once

// What a modal message box showed, read while it is open; the box is then closed with OK.
#include "tests/support/Printers.h"
#include "ui/MessageText.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>

namespace vareldo::testing {

struct BoxSeen {
    bool shown = false;
    QSize size;
    QSize sizeHint;
    QRect screen; // the screen's available area
    QImage picture;
    const MessageText* wrapped = nullptr; // none: the box's own label shows the text
    QRect wrappedArea;                    // in the box
    QStringList wrappedLines;
    QString wrappedReads; // what a screen reader reads for it
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool okIsDefault = false;
    bool modal = false;
};

// Shows a box through show, reads it while it is open and closes it with its OK button;
// checks on the way that every wrapped line fits the box.
inline BoxSeen readAndClose(const std::function<void()>& show)
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || seen.shown)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(u'&');
        seen.okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
        seen.modal = box->isModal();
        seen.size = box->size();
        seen.sizeHint = box->sizeHint();
        seen.screen = box->screen()->availableGeometry();
        seen.picture = box->grab().toImage();
        if (const auto* wrapped = box->findChild<MessageText*>(); wrapped && wrapped->isVisible()) {
            seen.wrapped = wrapped;
            seen.wrappedArea = QRect(wrapped->mapTo(box, QPoint(0, 0)), wrapped->size());
            seen.wrappedLines = wrapped->displayLines();
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(const_cast<MessageText*>(wrapped));
            seen.wrappedReads = read ? read->text(QAccessible::Name) : QString();
            // The text drawn as it would be on its own, to check that every line fits.
            for (const QString& line : seen.wrappedLines) {
                const qreal width = QFontMetricsF(wrapped->font()).horizontalAdvance(line.trimmed());
                EXPECT_LE(width, wrapped->width()) << "line \"" << str(line) << '"';
            }
            EXPECT_LE(wrapped->heightForWidth(wrapped->width()), wrapped->height()) << "lines cut off below";
        }
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    show();
    return seen;
}

} // namespace vareldo::testing
