#pragma once

#include "app/CanvasView.h"
#include "app/RunSession.h"
#include "surface/TeeSurface.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class LineControl;
class QAbstractButton;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace sim {
struct RunSettings;
}

// Who else watches the window: the headless driver and the tests.
struct WindowObservers {
    // Sees every drawing operation on the window's surface, from the window's creation on.
    surface::Surface* drawing = nullptr;
    // Told instead of the user when Start is refused because a cell holds no number.
    std::function<void(const QString& cell)> refused;
    // Tests that need many short runs may stop the sweep early.
    int sweepSteps = 467;
};

// The program's one window. Every setting lives as text in a cell (a text box) of this
// window; the handlers rewrite the cells, and a press of Start reads them back and runs.
class frmKavrona final : public QWidget {
public:
    using Observers = WindowObservers;

    explicit frmKavrona(Observers observers = {}, QWidget* parent = nullptr);
    ~frmKavrona() override;

    // Event handlers, named after their control and event.
    void Form_Load();
    void cmdStart_Click();
    void cmdKonec_Click();
    void opVoda_Click();
    void opSklo_Click();
    void opMenší_Click();
    void opVětší_Click();
    void opMezní_Click();
    void opMaláDistance_Click();
    void opStředníDistance_Click();
    void opVelkáDistance_Click();
    void opRychlá_Click();
    void opPomalejší_Click();
    void opPomalá_Click();
    void HScroll1_Change();

    const surface::QtCanvas& canvas() const { return canvasView_->canvas(); }
    bool running() const { return session_->running(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (frmKavrona::*)();
    struct Substance;
    struct Distance;

    void findControls();
    void connectHandlers();
    void onClick(QAbstractButton* button, Handler handler);
    // Selects an option as code does: its click handler runs only if it was not selected.
    void select(QRadioButton* option);
    void chooseSubstance(const Substance& substance);
    void writeCriticalAngle();
    void placeDetectorH(const Distance& distance);
    void writeSlowdown(int count);
    std::optional<sim::RunSettings> readSettings();
    void refuse(const QLineEdit* cell);
    surface::Surface& drawing();

    Observers observers_;
    CanvasView* canvasView_{};
    std::unique_ptr<surface::TeeSurface> tee_;
    QHash<QAbstractButton*, Handler> clickHandlers_;
    RunSession* session_{};

    // The state cells.
    QLineEdit* nLátka{};
    QLineEdit* nAlfaCaption{};
    QLineEdit* nAlfa{};
    QLineEdit* nIndex{};
    QLineEdit* nDistance{};
    QLineEdit* nSpomaleni{};
    // Display controls the handlers show, hide or move.
    QLineEdit* nVoda{};
    QLineEdit* nSklo{};
    QLineEdit* nDetektorH{};
    LineControl* Line1{};
    // Input.
    QScrollBar* HScroll1{};
    QPushButton* cmdStart{};
    QPushButton* cmdKonec{};
    QRadioButton* opVoda{};
    QRadioButton* opSklo{};
    QRadioButton* opMenší{};
    QRadioButton* opVětší{};
    QRadioButton* opMezní{};
    QRadioButton* opMaláDistance{};
    QRadioButton* opStředníDistance{};
    QRadioButton* opVelkáDistance{};
    QRadioButton* opRychlá{};
    QRadioButton* opPomalejší{};
    QRadioButton* opPomalá{};
};
