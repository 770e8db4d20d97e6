#include "tests/hostile/HostileWindow.h"
#include "text/Failures.h"
#include "text/NumberReading.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace vareldo::testing {
namespace {

QString repeated(const QString& piece, int times)
{
    return piece.repeated(times);
}

const QString Emoji = u"\U0001F600"_s; // two UTF-16 units

QString messageFor(const QString& text)
{
    try {
        StrToFloat(text);
    } catch (const EConvertError& failure) {
        return failure.Message();
    }
    ADD_FAILURE() << brief(text) << " was read as a number";
    return {};
}

TEST(ConversionMessage, ShortTextsStayAsTypedLongOnesKeepTheirStartAndEnd)
{
    const QString a = u"a"_s;
    const QString b = u"b"_s;
    const QString letters256 = megabyteOf(u"abcdefghij"_s).first(256);
    const QString ellipsis = u"\u2026"_s;
    const struct {
        const char* name;
        QString typed;
        QString shown;
    } cases[] = {
        {"empty", u""_s, u""_s},
        {"letters", u"abc"_s, u"abc"_s},
        {"blanks and markup kept", u"  1.5 <b>%1</b> "_s, u"  1.5 <b>%1</b> "_s},
        {"255 characters: the longest text kept whole", repeated(a, 255), repeated(a, 255)},
        {"256 characters: cut", letters256, letters256.first(127) + ellipsis + letters256.last(127)},
        {"a megabyte of digits", megabyteOf(u"1234567890"_s),
         megabyteOf(u"1234567890"_s).first(127) + ellipsis + megabyteOf(u"1234567890"_s).last(127)},
        {"a pair that the start would split is left out of it", repeated(a, 126) + Emoji + repeated(b, 200),
         repeated(a, 126) + ellipsis + repeated(b, 127)},
        {"a pair that the end would split is left out of it", repeated(a, 200) + Emoji + repeated(b, 126),
         repeated(a, 127) + ellipsis + repeated(b, 126)},
        {"nothing but pairs", repeated(Emoji, 200), repeated(Emoji, 63) + ellipsis + repeated(Emoji, 63)},
        {"255 units of pairs and one letter kept whole", repeated(Emoji, 127) + a, repeated(Emoji, 127) + a},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString expected = u"'"_s + c.shown + u"' is not a valid floating point value"_s;
        const QString got = messageFor(c.typed);
        EXPECT_TRUE(expected == got) << "typed " << c.typed.size() << " units: " << brief(c.typed)
                                     << "\nexpected: " << brief(expected) << "\ngot:      " << brief(got);
        EXPECT_TRUE(got.isValidUtf16()) << "a surrogate pair was split: " << brief(got);
    }
}

// What a box showed while it was open.
struct BoxSeen {
    bool shown = false;
    QString text;
    QSize size;
    QSize sizeHint;
};

// Closes the next modal box with its OK button once it is on screen, noting what it showed.
class BoxWatcher {
public:
    explicit BoxWatcher(BoxSeen& seen)
    {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [&seen, this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen = {true, box->text(), box->size(), box->sizeHint()};
            poll_.stop();
            box->button(QMessageBox::Ok)->click();
        });
        poll_.start();
    }

private:
    QTimer poll_;
};

TEST(ConversionMessageBox, AMegabyteTypedStillGivesABoxThatFitsTheScreen)
{
    const QSize screen(1280, 1024);
    const QString spacedThousands = megabyteOf(u"1 000 "_s);
    const struct {
        const char* name;
        QString income;
        const char* button;
        QString boxText;
    } cases[] = {
        {"a megabyte of digits, progressive", megabyteOf(u"1234567890"_s), "ButtonCalcolaTasse",
         u"Errore: "_s + conversionMessage(megabyteOf(u"1234567890"_s))},
        {"a megabyte of digits, step-wise", megabyteOf(u"1234567890"_s), "Button6",
         conversionMessage(megabyteOf(u"1234567890"_s)) + u'.'},
        {"a megabyte of spaced thousands, which a box would wrap into a tower", spacedThousands,
         "ButtonCalcolaTasse", u"Errore: "_s + conversionMessage(spacedThousands)},
        {"an ordinary text", u"abc"_s, "Button6", u"'abc' is not a valid floating point value."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The real boxes this time: the window's messages and failures open on screen.
        const HostileWindow w([](const QString& exeFolder, Sent&) {
            return WindowContext{exeFolder, [](const QString& text) { ShowMessagePos(text, -1, -1); }, ShowErrorBox,
                                 [](const QUrl&) {}};
        });
        w.pasteIncome(c.income);
        BoxSeen seen;
        const BoxWatcher watcher(seen);

        w.click(c.button);

        ASSERT_TRUE(seen.shown) << "no box opened";
        EXPECT_TRUE(c.boxText == seen.text) << "expected: " << brief(c.boxText) << "\ngot:      " << brief(seen.text);
        EXPECT_TRUE(seen.size.width() <= screen.width() && seen.size.height() <= screen.height())
            << "the box is " << seen.size.width() << " x " << seen.size.height();
        EXPECT_TRUE(seen.sizeHint.width() <= screen.width() && seen.sizeHint.height() <= screen.height())
            << "the box asks for " << seen.sizeHint.width() << " x " << seen.sizeHint.height();
    }
}

} // namespace
} // namespace vareldo::testing
