#include "ui/MessageBoxes.h"

#include "text/Failures.h"
#include "ui/MessageText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vareldo {

QString TitleFromExecutableName(const QString& fileName)
{
    const QString stem = fileName.left(fileName.indexOf(u'.'));
    if (stem.isEmpty())
        return stem;
    return stem.left(1) + stem.mid(1).toLower();
}

QString ApplicationTitle()
{
    static const QString title =
        TitleFromExecutableName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    return title;
}

namespace {

// The widest box before its text wraps: half the screen, at most 500 px, as Qt's own rule.
int widestUnwrappedBox(const QWidget& box)
{
    const QScreen* screen = box.screen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1000;
    return std::min(screenWidth / 2, 500);
}

// Qt's box wraps its label at word boundaries only, so one long word makes it wider than
// the screen, and clips it. A text that would widen the box past its limit is shown by a
// text that also breaks inside words; a shorter one keeps the box's own label.
void wrapTextToTheBox(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QLayout* layout = box.layout();
    if (!label || !layout)
        return;
    const int unwrapped = layout->totalMinimumSize().width();
    const int widest = widestUnwrappedBox(box);
    if (unwrapped <= widest)
        return;
    auto* text = new MessageText(label->text(), &box);
    text->setObjectName(QStringLiteral("MessageText"));
    text->setFont(label->font());
    text->setContentsMargins(label->contentsMargins());
    text->setWrapWidth(label->sizeHint().width() - (unwrapped - widest));
    delete layout->replaceWidget(label, text);
    label->hide();
}

void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* owner)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // "OK" in every language: Qt's translations would give, for example, "Aceptar".
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    wrapTextToTheBox(box);
    box.exec();
}

} // namespace

void ShowMessagePos(const QString& text, int, int)
{
    // Without an owner Qt centres the box on the screen and blocks every window.
    showBox(QMessageBox::NoIcon, ApplicationTitle(), text, nullptr);
}

QString FailureMessage(const std::exception& failure)
{
    if (const auto* own = dynamic_cast<const Exception*>(&failure))
        return own->Message();
    return QString::fromUtf8(failure.what());
}

QString ErrorDisplayText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorBox(const QString& text)
{
    showBox(QMessageBox::Critical, ApplicationTitle(), text, QApplication::activeWindow());
}

void HandleException(const std::exception& failure,
                     const std::function<void(const QString&)>& showErrorBox)
{
    // A drag in progress would keep the mouse away from the box.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    showErrorBox(ErrorDisplayText(FailureMessage(failure)));
}

QString LastChanceReportText(const QString& kindName, const QString& moduleName,
                             std::uint64_t codeOffset, const QString& message)
{
    QString text = QStringLiteral("Exception %1 in module %2 at %3.\n")
                       .arg(kindName, moduleName,
                            QStringLiteral("%1").arg(codeOffset, 16, 16, QLatin1Char('0')).toUpper());
    text += message;
    if (!message.isEmpty() && !message.endsWith(u'.'))
        text += u'.';
    return text + u'\n';
}

void ShowLastChanceReport(const std::exception& failure)
{
    const auto* own = dynamic_cast<const Exception*>(&failure);
    const QString kind = own ? QString::fromLatin1(own->ClassName()) : QStringLiteral("Exception");
    const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    // Portable C++ knows no address of the failing code; the offset is written as zero.
    showBox(QMessageBox::Critical, QStringLiteral("Application Error"),
            LastChanceReportText(kind, module, 0, FailureMessage(failure)), nullptr);
}

} // namespace vareldo
