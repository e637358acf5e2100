#pragma once
// The first read after connecting: its named steps in their fixed order.
#include <functional>
#include <vector>

class EntryBoxState;
class FeatureReads;
class PowerUnits;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Readings;
class StatusPanels;
class SubBands;
class UnitConnection;
class WindowLayout;
struct CommandContext;
struct frmMainUi;

class FirstRead {
public:
    // The controls it reads and writes.
    struct Controls {
        QLabel* lblUnitTempType = nullptr;
        QLabel* Label12 = nullptr;
        QLineEdit* txtTemp2 = nullptr;
        QLabel* Label14 = nullptr;
        QLineEdit* txtConstLvl = nullptr;
        QPushButton* btnGoToPwr = nullptr;
        QComboBox* cmbRfBand = nullptr;
        QLineEdit* txtDateTime = nullptr;
        QLineEdit* txtAdr = nullptr;
        QAction* mnuPsVset = nullptr;
        QAction* mnuLEDMode = nullptr;
        QAction* mnuWgArcTest = nullptr;
        QAction* mnuWatts = nullptr;
    };
    FirstRead(CommandContext& p, const frmMainUi& controls, UnitConnection& connection, EntryBoxState& entryState,
              PowerUnits& powerUnits, Readings& readings, FeatureReads& features, StatusPanels& panels,
              WindowLayout& layout, SubBands& bands, std::function<void()> dropLostLink);
    void FirstTimeRead();
    // Called with each step's name before the step runs (diagnostics and tests).
    std::function<void(const char* step)> onFirstReadStep;
    bool running() const { return firstReadRunning_; }

private:
    CommandContext& p;
    UnitConnection& connection_;
    EntryBoxState& entryState_;
    PowerUnits& powerUnits_;
    Readings& readings_;
    FeatureReads& features_;
    StatusPanels& panels_;
    WindowLayout& layout_;
    SubBands& bands_;
    std::function<void()> dropLostLink_;
    Controls ui;
    bool firstReadRunning_ = false;
    struct FirstReadStep {
        const char* name;
        std::function<void()> run;
    };
    bool stopFirstReadIfAsked();
    void betweenFirstReadCommands();
    bool statusQueryAnswered();
    std::vector<FirstReadStep> firstReadSteps();
    void addIdentificationSteps(std::vector<FirstReadStep>& steps);
    void addLimitAndLayoutSteps(std::vector<FirstReadStep>& steps);
    void addMaskAndReadingSteps(std::vector<FirstReadStep>& steps);
    void addPortAndBandSteps(std::vector<FirstReadStep>& steps);
    void addTemperatureAndLevelSteps(std::vector<FirstReadStep>& steps);
    void addClosingSteps(std::vector<FirstReadStep>& steps);
};
