#pragma once

#include "tests/hostile/ScreenSnapshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace vareldo::testing {

using namespace Qt::StringLiterals;

// A text of about a megabyte made of piece repeated, so that its start and end differ.
inline QString megabyteOf(const QString& piece)
{
    QString text;
    text.reserve((1 << 20) + piece.size());
    while (text.size() < (1 << 20))
        text += piece;
    return text;
}

// The conversion message as a box shows it: a long text keeps its first and last 127 characters.
inline QString conversionMessage(const QString& typed)
{
    const QString shown = typed.size() > 255 ? typed.first(127) + u'\u2026' + typed.last(127) : typed;
    return u"'"_s + shown + u"' is not a valid floating point value"_s;
}

// A check box to tick and the amount to paste into the box beside it.
struct TickedAmount {
    const char* checkBox;
    const char* amountBox;
    const char* amount;
};

// The real window over its own fixture folder, on the calculation page, recording what it sends.
class HostileWindow {
public:
    using ContextMaker = std::function<WindowContext(const QString& exeFolder, Sent& sent)>;

    // configIni, when given, stands in for the usual config.ini, which holds the built-in table.
    explicit HostileWindow(const ContextMaker& context = RecordingContext, const QByteArray& configIni = {})
    {
        folder.writeUsualFiles();
        if (!configIni.isEmpty())
            folder.write(u"config.ini"_s, configIni);
        window = std::make_unique<T_PRINCIPALE>(context(folder.path(), sent));
        window->show();
        find<QTabWidget>("PageControl1").setCurrentWidget(&find<QWidget>("TabSheet2"));
    }

    template <class Control>
    Control& find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            throw std::runtime_error(std::string("no control ") + name);
        return *control;
    }

    // As a paste does: the selection is replaced by the text, through the box's own input path.
    void paste(QLineEdit& box, const QString& text) const
    {
        box.selectAll();
        box.insert(text);
        EXPECT_EQ(text.size(), box.text().size()) << "the box kept another text than the one pasted";
        EXPECT_TRUE(box.text() == text) << "the box holds " << brief(box.text()) << " instead of " << brief(text);
    }

    void pasteIncome(const QString& text) const { paste(*find<QComboBox>("ComboBoxReddito").lineEdit(), text); }
    void paste(const char* box, const QString& text) const { paste(find<QLineEdit>(box), text); }
    void click(const char* button) const { find<QPushButton>(button).click(); }

    void tick(const TickedAmount& pair) const
    {
        find<QCheckBox>(pair.checkBox).setChecked(true);
        paste(pair.amountBox, QString::fromLatin1(pair.amount));
    }

    ScreenSnapshot snapshot() const { return snapshotOf(*window); }

    SettingsGuard italian{Italian};
    ExeFolder folder;
    Sent sent;
    std::unique_ptr<T_PRINCIPALE> window;
};

} // namespace vareldo::testing
