#pragma once

// The real window, built over a fixture folder, recording what it sends instead of showing
// boxes or opening folders, and the means to drive it by its control names.
#include "tests/support/ExeFolder.h"
#include "tests/support/Printers.h"
#include "tests/support/QtApplication.h"
#include "tests/support/SettingsGuard.h"
#include "ui/NamedChild.h"
#include "ui/Unit1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

namespace vareldo::testing {

using namespace Qt::StringLiterals;

// What the window sent out instead of showing boxes or opening folders.
struct Sent {
    QStringList messages;
    QStringList errors;
    QList<QUrl> opened;
};

inline WindowContext RecordingContext(const QString& exeFolder, Sent& sent)
{
    return {exeFolder, [&sent](const QString& text) { sent.messages << text; },
            [&sent](const QString& text) { sent.errors << text; },
            [&sent](const QUrl& folder) { sent.opened << folder; }};
}

// A check box to tick and the amount to paste into the box beside it.
struct TickedAmount {
    const char* checkBox;
    const char* amountBox;
    const char* amount;
};

// The window on screen, with Italian separators, over a folder with the usual files.
class WindowHarness {
public:
    using ContextMaker = std::function<WindowContext(const QString& exeFolder, Sent& sent)>;

    // configIni, when given, stands in for the usual config.ini, which holds the built-in table.
    explicit WindowHarness(const ContextMaker& context = RecordingContext, const QByteArray& configIni = {})
    {
        folder.writeUsualFiles();
        if (!configIni.isEmpty())
            folder.writeConfig(configIni);
        window = std::make_unique<T_PRINCIPALE>(context(folder.path(), sent));
        window->show();
    }

    template <class Control>
    Control& find(const char* name) const
    {
        return NamedChild<Control>(*window, QString::fromLatin1(name));
    }

    void showCalculationPage() const
    {
        find<QTabWidget>("PageControl1").setCurrentWidget(&find<QWidget>("TabSheet2"));
    }

    // Key by key into the income box, as a pupil types.
    void typeIncome(const QString& text) const
    {
        auto& income = find<QComboBox>("ComboBoxReddito");
        income.lineEdit()->clear();
        QTest::keyClicks(income.lineEdit(), text);
        ASSERT_EQ(str(text), str(income.currentText()));
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

    SettingsGuard italian{Italian};
    ExeFolder folder;
    Sent sent;
    std::unique_ptr<T_PRINCIPALE> window;
};

// The same window as a GoogleTest fixture.
class WindowTest : public ::testing::Test, public WindowHarness {};

} // namespace vareldo::testing
