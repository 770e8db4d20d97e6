#include "ui/Unit1.h"

#include "ui_Unit1.h"

#include "config/Configuration.h"
#include "text/Amounts.h"
#include "text/NumberReading.h"
#include "text/NumberWriting.h"
#include "ui/CaptionFit.h"
#include "ui/ControlLooks.h"
#include "ui/LayoutPalette.h"
#include "ui/LocaleNumberSettings.h"
#include "ui/MessageBoxes.h"
#include "ui/NamedChild.h"
#include "ui/Platform.h"
#include "ui/TeachingMaterials.h"
#include "ui/WrappedLabels.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QStyle>

#include <limits>

namespace vareldo {

namespace {

const char* const IncomeChoices[] = {"10000", "15000", "20000", "25000", "30000", "40000",
                                     "50000", "75000", "100000", "200000", "1000000", "10000000"};


// Single-line labels fit their text; boxed and wrapping ones, the banner and the picture keep theirs.
bool fitsItsText(const QLabel& label)
{
    return !label.wordWrap() && !label.hasScaledContents() && label.frameShape() == QFrame::NoFrame;
}

// A plain widget reads as a "filler" to a screen reader; this one is the program's window.
QAccessibleInterface* accessibleAsWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String(T_PRINCIPALE::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

WindowContext DesktopContext()
{
    return {platform::ExecutableFolder(),
            [](const QString& text) { vareldo::ShowMessagePos(text, -1, -1); },
            ShowErrorBox,
            [](const QUrl& folder) { platform::OpenFolderInShell(QDir::toNativeSeparators(folder.toLocalFile())); }};
}

T_PRINCIPALE::T_PRINCIPALE(WindowContext context, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::T_PRINCIPALE>()), context_(std::move(context))
{
    static bool windowRoleInstalled = false;
    if (!windowRoleInstalled) {
        QAccessible::installFactory(accessibleAsWindow);
        windowRoleInstalled = true;
    }
    ui_->setupUi(this);
    // A search of the window's tree at every read or write cost more than the calculation.
    for (QWidget* named : findChildren<QWidget*>())
        if (!named->objectName().isEmpty() && !controls_.contains(named->objectName()))
            controls_.insert(named->objectName(), named);
    // Completing from the list would turn a typed 150 into 15000: the box takes what is typed.
    ui_->ComboBoxReddito->setCompleter(nullptr);
    // The edit line and the list that the income box makes for itself are read out on their own.
    ui_->ComboBoxReddito->lineEdit()->setAccessibleName(ui_->ComboBoxReddito->accessibleName());
    ui_->ComboBoxReddito->view()->setAccessibleName(ui_->ComboBoxReddito->accessibleName());
    // A box keeps all that is typed or pasted: the number reading, not the box, decides what is a number.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
    setWindowIcon(QIcon(QStringLiteral(":/icon/vareldo.png")));
    if (IsDarkPalette(palette()))
        keepLightPalette();
    else
        ApplyControlLooks(*this);
    loadIntroduction();
    // The substitute faces are wider or narrower than the designed ones.
    for (QLabel* label : findChildren<QLabel*>())
        if (fitsItsText(*label))
            label->adjustSize();
    CondenseCaptionsToTheirBoxes(*this);
    for (QLabel* label : findChildren<QLabel*>())
        if (label->wordWrap() && label->frameShape() == QFrame::NoFrame)
            SetLinesAtWholePixelSpacing(*label);
    bindEvents();
    dispatch(&T_PRINCIPALE::FormCreate, this);
}

T_PRINCIPALE::~T_PRINCIPALE() = default;

void T_PRINCIPALE::dispatch(Handler handler, QObject* sender)
{
    try {
        (this->*handler)(sender);
    } catch (const std::exception& failure) {
        HandleException(failure, context_.showErrorBox);
    }
}

void T_PRINCIPALE::bindEvents()
{
    const auto onClick = [this](QAbstractButton* button, Handler handler) {
        connect(button, &QAbstractButton::clicked, this, [=, this] { dispatch(handler, button); });
    };
    onClick(ui_->ButtonCalcolaTasse, &T_PRINCIPALE::ButtonCalcolaTasseClick);
    onClick(ui_->Button6, &T_PRINCIPALE::Button6Click);
    onClick(ui_->Button1, &T_PRINCIPALE::Button1Click);
    onClick(ui_->Button2, &T_PRINCIPALE::Button2Click);
    onClick(ui_->Button3, &T_PRINCIPALE::Button3Click);

    // A check box's click is every change of its tick, also one made by code.
    const auto onToggle = [this](QCheckBox* box, Handler handler) {
        connect(box, &QCheckBox::toggled, this, [=, this] { dispatch(handler, box); });
    };
    onToggle(ui_->ChecklavoroDipendente, &T_PRINCIPALE::ChecklavoroDipendenteClick);
    onToggle(ui_->ChecklavoroAutonomo, &T_PRINCIPALE::ChecklavoroAutonomoClick);

    connect(ui_->ComboBoxReddito, &QComboBox::editTextChanged, this,
            [this] { dispatch(&T_PRINCIPALE::ComboBoxRedditoChange, ui_->ComboBoxReddito); });
    // The selection, not the current row: keyboard focus alone makes a row current.
    connect(ui_->ListBox1, &QListWidget::itemSelectionChanged, this,
            [this] { dispatch(&T_PRINCIPALE::ListBox1Click, ui_->ListBox1); });
}

void T_PRINCIPALE::loadIntroduction()
{
    QFile text(QStringLiteral(":/intro/introduzione.txt"));
    if (text.open(QIODevice::ReadOnly)) {
        QString lines = QString::fromUtf8(text.readAll());
        if (lines.endsWith(u'\n'))
            lines.chop(1); // the last line's break opens no line of its own
        ui_->RichEdit1->setPlainText(lines);
    }
    const QString picture = QStringLiteral(":/intro/infografica.jpg");
    if (QFile::exists(picture))
        ui_->Image1->setPixmap(QPixmap(picture));
}

void T_PRINCIPALE::keepLightPalette()
{
    // The layout's fixed colours (blue, green and red captions on the button face, black text
    // in the silver panel's boxes) read only on light faces: on a dark desktop the window
    // keeps the style's light palette, as classic programs do. On a light one it follows the desktop.
    keepsLightPalette_ = true;
    setPalette(style()->standardPalette());
    ApplyControlLooks(*this);
}

void T_PRINCIPALE::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        TakeNumberSettingsFromLocale();
    // A desktop that turns dark while the window is open hands it its palette this way.
    if (event->type() == QEvent::PaletteChange && !keepsLightPalette_ && IsDarkPalette(QApplication::palette()))
        keepLightPalette();
    QWidget::changeEvent(event);
}

QWidget& T_PRINCIPALE::control(const QString& name) const
{
    QWidget* found = controls_.value(name);
    if (!found)
        throw MissingControl(name, "control");
    return *found;
}

QString T_PRINCIPALE::Text(const QString& name) const
{
    QWidget& found = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(&found))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(&found))
        return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(&found))
        return label->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(&found))
        return area->toPlainText();
    if (auto* button = qobject_cast<QAbstractButton*>(&found))
        return button->text();
    throw MissingControl(name, "control with a text");
}

bool T_PRINCIPALE::Checked(const QString& name) const
{
    auto* box = qobject_cast<QCheckBox*>(&control(name));
    if (!box)
        throw MissingControl(name, "check box");
    return box->isChecked();
}

void T_PRINCIPALE::SetText(const QString& labelName, const QString& text)
{
    auto* label = qobject_cast<QLabel*>(&control(labelName));
    if (!label)
        throw MissingControl(labelName, "label");
    label->setText(text);
    // adjustSize keeps the top-left corner.
    if (fitsItsText(*label))
        label->adjustSize();
}

void T_PRINCIPALE::ClearMemo()
{
    ui_->Memo1->clear();
}

void T_PRINCIPALE::AppendMemoLine(const QString& line)
{
    ui_->Memo1->appendPlainText(line);
}

void T_PRINCIPALE::SetResultColour(Rgb colour)
{
    QPalette palette = ui_->LabelRisultatoTasse->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    ui_->LabelRisultatoTasse->setPalette(palette);
}

void T_PRINCIPALE::AggiornaGrafico(const CalculationState& state)
{
    TaxChart& chart = *ui_->ChartTasse;
    chart.RemoveAllSeries();
    chart.AddSeries(BracketTaxSeries(state));
}

void T_PRINCIPALE::ShowMessagePos(const QString& text, int, int)
{
    context_.showMessage(text);
}

void T_PRINCIPALE::FormCreate(QObject*)
{
    FillTeachingList(context_.exeFolder, *ui_->ListBox1, context_.showMessage);

    QComboBox& income = *ui_->ComboBoxReddito;
    const QString layoutText = income.currentText();
    for (const char* choice : IncomeChoices)
        income.addItem(QString::fromLatin1(choice));
    // Adding the first choice selects it; the box shows the layout's text with no choice made.
    income.setCurrentIndex(-1);
    income.setEditText(layoutText);
    // A list given no current row of its own makes its first row current when it opens,
    // which looks like a choice made.
    income.view()->setCurrentIndex(QModelIndex());

    CaricaConfigurazione(context_.exeFolder, state_, context_.showMessage);

    for (const auto pairs : names::AmountLists)
        for (const names::AmountPair& pair : pairs)
            if (pair.startingAmount)
                NamedChild<QLineEdit>(*this, names::Name(pair.amountBox)).setText(names::Name(pair.startingAmount));
}

void T_PRINCIPALE::ButtonCalcolaTasseClick(QObject*)
{
    calculations_.ButtonCalcolaTasseClick();
}

void T_PRINCIPALE::Button6Click(QObject*)
{
    calculations_.Button6Click();
}

void T_PRINCIPALE::Button1Click(QObject*)
{
    calculations_.Button1Click();
}

void T_PRINCIPALE::Button2Click(QObject*)
{
    printer_.Print(DisplayLines(*ui_->Memo1));
}

void T_PRINCIPALE::Button3Click(QObject*)
{
    const double amount = StrToFloat(ui_->EditAmount->text());
    const double percentage = StrToFloat(ui_->EditPercentage->text());
    ui_->EditResult->setText(FloatToStr(checkedDiv(checkedMul(amount, percentage), 100)));
}

void T_PRINCIPALE::ChecklavoroDipendenteClick(QObject*)
{
    if (ui_->ChecklavoroDipendente->isChecked())
        ui_->ChecklavoroAutonomo->setChecked(false);
}

void T_PRINCIPALE::ChecklavoroAutonomoClick(QObject*)
{
    if (ui_->ChecklavoroAutonomo->isChecked())
        ui_->ChecklavoroDipendente->setChecked(false);
}

void T_PRINCIPALE::ComboBoxRedditoChange(QObject*)
{
    // The income is read only when a calculation runs.
}

void T_PRINCIPALE::ListBox1Click(QObject*)
{
    OpenFolder(TeachingFolderPath(context_.exeFolder), context_.showMessage, context_.openUrl);
}

} // namespace vareldo
