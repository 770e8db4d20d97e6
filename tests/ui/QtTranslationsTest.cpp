#include "tests/support/WindowHarness.h"

#include "ui/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>

#include <memory>

namespace vareldo::testing {
namespace {

QApplication& application() { return *qApp; }

// The texts of an edit box's right-click menu, without accelerators and shortcuts.
QStringList editMenuTexts()
{
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0).remove(u'&');
    return texts;
}

const QString QtsFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);

TEST(QtTranslations, EditBoxMenusSpeakTheInterfaceLanguage)
{
    const QStringList english = editMenuTexts();
    ASSERT_TRUE(english.contains(QStringLiteral("Undo"))) << str(english.join(u'|'));

    const struct {
        const char* what;
        QLocale locale;
        QStringList folders;
        bool found;
        QStringList expected; // empty: the menu stays English
    } cases[] = {
        {"Italian from Qt's folder", QLocale(QLocale::Italian, QLocale::Italy), {QtsFolder}, true,
         {"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina", "Seleziona tutto"}},
        {"Italian of Switzerland", QLocale(QLocale::Italian, QLocale::Switzerland), {QtsFolder}, true,
         {"Annulla", "Copia"}},
        {"Italian carried by the program", QLocale(QLocale::Italian, QLocale::Italy),
         {QStringLiteral(VARELDO_ASSETS_DIR "/translations")}, true, {"Annulla", "Copia", "Incolla"}},
        {"English", QLocale(QLocale::English, QLocale::UnitedStates), {QtsFolder}, true, {}},
        {"C", QLocale::c(), QtTranslationFolders(), false, {}},
        {"Italian, but no folder has it", QLocale(QLocale::Italian, QLocale::Italy),
         {QStringLiteral(":/no-such-folder")}, false, {}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const std::unique_ptr<QTranslator> installed(InstallQtTranslation(application(), row.locale, row.folders));
        EXPECT_EQ(row.found, installed != nullptr);
        const QStringList texts = editMenuTexts();
        if (row.expected.isEmpty()) {
            EXPECT_EQ(english, texts);
        } else {
            for (const QString& text : row.expected)
                EXPECT_TRUE(texts.contains(text)) << str(text) << " not in " << str(texts.join(u'|'));
        }
    }
    EXPECT_EQ(english, editMenuTexts()) << "a removed translation leaves nothing behind";
}

TEST(QtTranslations, ProgramCarriesQtsOwnItalianFileNotThePointerToIt)
{
    const QFileInfo carried(QStringLiteral(VARELDO_ASSETS_DIR "/translations/qtbase_it.qm"));
    ASSERT_TRUE(carried.exists());
    EXPECT_GT(carried.size(), 10000) << "qt_it.qm, which only names the modules' files, is a few bytes";
}

// Every caption of the window, in the order of its controls.
QStringList windowTexts(const T_PRINCIPALE& window)
{
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    const auto& pages = NamedChild<QTabWidget>(window, QStringLiteral("PageControl1"));
    for (int i = 0; i < pages.count(); ++i)
        texts << pages.tabText(i);
    return texts;
}

TEST(QtTranslations, ProgramsOwnTextsStayAsTheyAre)
{
    SettingsGuard italian{Italian};
    ExeFolder folder;
    folder.writeUsualFiles();
    Sent sent;
    const QStringList untranslated = windowTexts(T_PRINCIPALE(RecordingContext(folder.path(), sent)));

    const std::unique_ptr<QTranslator> installed(
        InstallQtTranslation(application(), QLocale(QLocale::Italian, QLocale::Italy), {QtsFolder}));
    ASSERT_NE(nullptr, installed);
    EXPECT_EQ(untranslated, windowTexts(T_PRINCIPALE(RecordingContext(folder.path(), sent))));
}

} // namespace
} // namespace vareldo::testing
