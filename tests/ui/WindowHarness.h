#pragma once

#include "tests/text/SettingsGuard.h"
#include "ui/Unit1.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <string>

namespace vareldo::testing {

inline std::string str(const QString& text) { return text.toStdString(); }

// What the window sent out instead of showing boxes or opening folders.
struct Sent {
    QStringList messages;
    QStringList errors;
    QList<QUrl> opened;
};

// A folder beside a pretend executable, with the files a test puts there.
class ExeFolder {
public:
    ExeFolder() { EXPECT_TRUE(dir_.isValid()); }

    QString path() const { return dir_.path() + u'/'; }

    void write(const QString& relativePath, const QByteArray& contents) const
    {
        const QString full = path() + relativePath;
        QDir().mkpath(full.section(u'/', 0, -2));
        QFile file(full);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << str(full);
        file.write(contents);
    }

    // The teaching folder with one document and the built-in table in config.ini.
    void writeUsualFiles() const
    {
        write(QStringLiteral("FAQ_DIDATTICHE/scaglioni.txt"), "x");
        write(QStringLiteral("config.ini"),
              "[Scaglioni]\nLimite1=28000\nLimite2=50000\nLimite3=10000000\n"
              "[Aliquote]\nAliquota1=0.23\nAliquota2=0.35\nAliquota3=0.43\n");
    }

private:
    QTemporaryDir dir_;
};

inline WindowContext RecordingContext(const QString& exeFolder, Sent& sent)
{
    return {exeFolder, [&sent](const QString& text) { sent.messages << text; },
            [&sent](const QString& text) { sent.errors << text; },
            [&sent](const QUrl& folder) { sent.opened << folder; }};
}

// The real window, built over a fixture folder, with Italian separators.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeUsualFiles();
        window = std::make_unique<T_PRINCIPALE>(RecordingContext(folder.path(), sent));
        window->show();
    }

    template <class Control>
    Control& find(const char* name) const
    {
        auto* control = window->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            throw std::runtime_error(std::string("no control ") + name);
        return *control;
    }

    // Key by key into the income box, as a pupil types.
    void typeIncome(const QString& text)
    {
        auto& income = find<QComboBox>("ComboBoxReddito");
        income.lineEdit()->clear();
        QTest::keyClicks(income.lineEdit(), text);
        ASSERT_EQ(str(text), str(income.currentText()));
    }

    SettingsGuard italian{Italian};
    ExeFolder folder;
    Sent sent;
    std::unique_ptr<T_PRINCIPALE> window;
};

} // namespace vareldo::testing
