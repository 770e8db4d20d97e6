#pragma once

#include "core/CalculationState.h"
#include "core/Calculations.h"
#include "core/NamedControls.h"
#include "ui/SummaryPrinter.h"
#include "ui/TaxChart.h"

#include <QHash>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class T_PRINCIPALE;
}

namespace vareldo {

// Where the window's files lie and where its messages, failures and folder openings go.
struct WindowContext {
    QString exeFolder; // ends with the path separator
    std::function<void(const QString& text)> showMessage;
    std::function<void(const QString& text)> showErrorBox; // the text with its full stop
    std::function<void(const QUrl& folder)> openUrl;
};

// The executable's folder, the real message boxes and the desktop's file manager.
WindowContext DesktopContext();

// The one window: controls from the form, the calculation state and the handlers.
class T_PRINCIPALE : public QWidget, public NamedControls {
    Q_OBJECT
public:
    explicit T_PRINCIPALE(WindowContext context = DesktopContext(), QWidget* parent = nullptr);
    ~T_PRINCIPALE() override;

    // NamedControls
    QString Text(const QString& name) const override;
    bool Checked(const QString& name) const override;
    void SetText(const QString& labelName, const QString& text) override;
    void ClearMemo() override;
    void AppendMemoLine(const QString& line) override;
    void SetResultColour(Rgb colour) override;
    void AggiornaGrafico(const CalculationState& state) override;
    void ShowMessagePos(const QString& text, int x, int y) override;

    // Event handlers; the sender is not used.
    void FormCreate(QObject* Sender);
    void ButtonCalcolaTasseClick(QObject* Sender);
    void Button6Click(QObject* Sender);
    void Button1Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void ChecklavoroDipendenteClick(QObject* Sender);
    void ChecklavoroAutonomoClick(QObject* Sender);
    void ComboBoxRedditoChange(QObject* Sender);
    void ListBox1Click(QObject* Sender);

    const CalculationState& State() const { return state_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    using Handler = void (T_PRINCIPALE::*)(QObject*);
    // Every event enters here, so that no failure crosses the event loop.
    void dispatch(Handler handler, QObject* sender);
    void bindEvents();
    void loadIntroduction();
    void keepLightPalette();
    QWidget& control(const QString& name) const;

    std::unique_ptr<Ui::T_PRINCIPALE> ui_;
    QHash<QString, QWidget*> controls_; // every named control of the form, by name
    WindowContext context_;
    CalculationState state_;
    TaxCalculations calculations_{state_, *this};
    SummaryPrinter printer_;
    bool keepsLightPalette_ = false;
};

} // namespace vareldo
