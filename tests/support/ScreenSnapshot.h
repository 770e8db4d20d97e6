#pragma once

#include "tests/support/WindowHarness.h"
#include "ui/TaxChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <map>
#include <string>

namespace vareldo::testing {

// What a pupil can read on the window, control by control: texts, ticks, the result's
// colour and the chart's values. Two of them compared show what a click changed.
using ScreenSnapshot = std::map<QString, QString>;

inline QString chartText(const T_PRINCIPALE& window)
{
    const auto& series = NamedChild<TaxChart>(window, QStringLiteral("ChartTasse")).Series();
    if (series.empty())
        return QStringLiteral("(empty)");
    QStringList values;
    for (const ChartSeries& one : series)
        for (const ChartPoint& point : one.points)
            values << QString::number(point.value, 'g', 17);
    return values.join(u' ');
}

inline ScreenSnapshot snapshotOf(const T_PRINCIPALE& window)
{
    ScreenSnapshot shown;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(control))
            shown[name] = label->text();
        else if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            shown[name] = edit->text();
        else if (const auto* combo = qobject_cast<const QComboBox*>(control))
            shown[name] = combo->currentText();
        else if (const auto* box = qobject_cast<const QCheckBox*>(control))
            shown[name] = box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked");
        else if (const auto* area = qobject_cast<const QPlainTextEdit*>(control))
            shown[name] = area->toPlainText();
        else if (const auto* list = qobject_cast<const QListWidget*>(control))
            shown[name] = QString::number(list->count()) + QStringLiteral(" entries");
    }
    shown[QStringLiteral("LabelRisultatoTasse colour")] =
        NamedChild<QLabel>(window, QStringLiteral("LabelRisultatoTasse")).palette().color(QPalette::WindowText).name();
    shown[QStringLiteral("ChartTasse")] = chartText(window);
    return shown;
}

// The controls on which got differs from expected, each with both texts.
inline std::string differences(const ScreenSnapshot& expected, const ScreenSnapshot& got)
{
    std::string report;
    for (const auto& [name, text] : expected) {
        const auto found = got.find(name);
        const QString gotText = found == got.end() ? QStringLiteral("(no such control)") : found->second;
        if (gotText != text)
            report += "\n  " + str(name) + ":\n    expected: " + brief(text) + "\n    got:      " + brief(gotText);
    }
    for (const auto& [name, text] : got) {
        if (!expected.contains(name))
            report += "\n  " + str(name) + " appeared: " + brief(text);
    }
    return report;
}

// The snapshot before with the given controls showing their new texts.
inline ScreenSnapshot withChanges(ScreenSnapshot before, const ScreenSnapshot& changes)
{
    for (const auto& [name, text] : changes)
        before[name] = text;
    return before;
}

inline ScreenSnapshot snapshotOf(const WindowHarness& harness)
{
    return snapshotOf(*harness.window);
}

} // namespace vareldo::testing
