#include "ui/frmMainUi.h"
#include "ui/FrameArrangements.h"
#include "ui/Twips.h"
#include "ui/UpDown.h"
#include "ui/ValueLabel.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

// Geometry below is in twips (15 to a pixel), Left, Top, Width, Height inside the parent.
namespace {

constexpr int BoxHeight = 300;
constexpr int CaptionHeight = 225;
constexpr int IndicatorHeight = 195;   // the lists' row pitch: rows touch without a gap

QString name(const char* text) { return QString::fromLatin1(text); }

template <typename W> W* place(W* w, const QString& objectName, int left, int top, int width, int height)
{
    w->setObjectName(objectName);
    twips::SetGeometry(w, left, top, width, height);
    return w;
}

QGroupBox* frame(QWidget* parent, const char* objectName, const char* title, int left, int top, int width, int height)
{
    return place(new QGroupBox(name(title), parent), name(objectName), left, top, width, height);
}

QLabel* label(QWidget* parent, const QString& objectName, const QString& caption, int left, int top, int width,
              int height = CaptionHeight)
{
    return place(new QLabel(caption, parent), objectName, left, top, width, height);
}

QLabel* label(QWidget* parent, const char* objectName, const char* caption, int left, int top, int width,
              int height = CaptionHeight)
{
    return label(parent, name(objectName), QString::fromUtf8(caption), left, top, width, height);
}

// A label whose caption is a value shown at run time: its text is its name, `stands for`
// its description.
QLabel* valueLabel(QWidget* parent, const char* objectName, const char* caption, const char* standsFor, int left,
                   int top, int width, int height = CaptionHeight)
{
    return place(new ValueLabel(QString::fromUtf8(caption), name(standsFor), parent), name(objectName), left, top,
                 width, height);
}

QLineEdit* box(QWidget* parent, const char* objectName, const char* accessible, int left, int top, int width,
               int height = BoxHeight)
{
    auto* e = place(new QLineEdit(parent), name(objectName), left, top, width, height);
    e->setAccessibleName(name(accessible));
    return e;
}

// Controls of a frame whose places and captions come from its arrangement table
// (ui/FrameArrangements.h).
QLabel* arrangedLabel(QWidget* parent, const char* objectName) { return label(parent, objectName, "", 0, 0, 0); }
QLineEdit* arrangedBox(QWidget* parent, const char* objectName, const char* accessible)
{
    return box(parent, objectName, accessible, 0, 0, 0);
}

QComboBox* combo(QWidget* parent, const char* objectName, const char* accessible, const QStringList& entries, int left,
                 int top, int width)
{
    auto* c = place(new QComboBox(parent), name(objectName), left, top, width, BoxHeight + 15);
    c->addItems(entries);
    c->setCurrentIndex(-1);
    c->setAccessibleName(name(accessible));
    return c;
}

QCheckBox* check(QWidget* parent, const char* objectName, const char* caption, int left, int top, int width)
{
    return place(new QCheckBox(name(caption), parent), name(objectName), left, top, width, BoxHeight);
}

QPushButton* button(QWidget* parent, const char* objectName, const char* caption, int left, int top, int width,
                    int height)
{
    return place(new QPushButton(name(caption), parent), name(objectName), left, top, width, height);
}

UpDown* spin(QWidget* parent, const char* objectName, const char* accessible, int left, int top)
{
    auto* s = place(new UpDown(parent), name(objectName), left, top, 240, BoxHeight);
    s->setAccessibleNames(name(accessible));
    return s;
}

QAction* item(QMenu* menu, const char* objectName, const QString& caption, bool checkable = false)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name(objectName));
    a->setCheckable(checkable);
    return a;
}

QMenu* submenu(QWidget* parentMenu, const char* objectName, const char* caption)
{
    auto* m = new QMenu(name(caption), parentMenu);
    m->setObjectName(name(objectName));
    return m;
}

// One list of indicator labels: four arrays of six, captioned "<kind> <byte> bit <n>",
// all at the list's first row and hidden until a panel decodes a status field.
void indicatorLabels(QGroupBox* list, const char* kind, int width, const std::array<std::array<QLabel*, 6>*, 4>& bytes)
{
    const char letters[] = {'A', 'B', 'C', 'D'};
    for (int b = 0; b < 4; ++b) {
        for (int bit = 0; bit < 6; ++bit) {
            const QString objectName = QStringLiteral("%1%2bit_%3").arg(name(kind)).arg(letters[b]).arg(bit);
            const QString caption = QStringLiteral("%1 %2 bit %3").arg(name(kind)).arg(letters[b]).arg(bit);
            QLabel* l = label(list, objectName, caption, 120, 240, width, IndicatorHeight);
            l->hide();
            (*bytes[b])[bit] = l;
        }
    }
}

void buildStatusPanels(QWidget* w, frmMainUi& ui)
{
    ui.Frame15 = frame(w, "Frame15", "Summary Status", 120, 120, 1500, 2175);
    // The transmitter state and remote or local are values; the others say what they show.
    struct SummaryLabel {
        QLabel** member;
        const char* objectName;
        const char* caption;
        const char* standsFor = nullptr;
    };
    const SummaryLabel summary[] = {
        {&ui.Label31, "Label31", "HV On", "Transmitter state"},
        {&ui.Label32, "Label32", "Auto HV On"},
        {&ui.Label33, "Label33", "Remote", "Remote or local"},
        {&ui.Label34, "Label34", "Const Power"},
        {&ui.Label35, "Label35", "RF Inhibited"},
        {&ui.Label36, "Label36", "Summary Fault"},
        {&ui.Label13, "Label13", "Htr Standby"},
        {&ui.lblSBUCWarmup, "lblSBUCWarmup", "BUC Warmup"},
        {&ui.lbllcBucDrive, "lbllcBucDrive", "IF Drive High"},
    };
    int row = 0;
    for (const SummaryLabel& s : summary) {
        const int top = 240 + 195 * row++;
        *s.member = s.standsFor
                        ? valueLabel(ui.Frame15, s.objectName, s.caption, s.standsFor, 120, top, 1260, IndicatorHeight)
                        : label(ui.Frame15, s.objectName, s.caption, 120, top, 1260, IndicatorHeight);
        (*s.member)->hide();
    }

    ui.Frame28 = frame(w, "Frame28", "Fault Status", 1740, 120, 1455, 2175);
    indicatorLabels(ui.Frame28, "Fault", 1215, {&ui.FaultAbit, &ui.FaultBbit, &ui.FaultCbit, &ui.FaultDbit});
    ui.NoFaults = label(ui.Frame28, "NoFaults", "No Faults", 120, 240, 1215, IndicatorHeight);
    ui.NoFaults->hide();

    ui.Frame26 = frame(w, "Frame26", "Alarm Status", 3315, 120, 1520, 2175);
    indicatorLabels(ui.Frame26, "Alarm", 1095, {&ui.AlarmAbit, &ui.AlarmBbit, &ui.AlarmCbit, &ui.AlarmDbit});
    ui.NoAlarms = label(ui.Frame26, "NoAlarms", "No Alarms", 120, 240, 1095, IndicatorHeight);
    ui.NoAlarms->hide();
    buildIndicatorListAreas(ui);
}

void buildReadings(QWidget* w, frmMainUi& ui)
{
    ui.Frame5 = frame(w, "Frame5", "Fwd RF Power", 4980, 120, 2280, 1020);
    ui.txtFdBm = box(ui.Frame5, "txtFdBm", "Forward power", 120, 270, 1140);
    ui.Label5 = label(ui.Frame5, "Label5", "dBm", 1335, 300, 800);
    ui.txtFCnt = box(ui.Frame5, "txtFCnt", "Forward count or input drive power", 120, 630, 1140);
    ui.Label6 = label(ui.Frame5, "Label6", "Count", 1335, 660, 800);

    ui.Frame6 = frame(w, "Frame6", "Rev RF Power", 4980, 1275, 2280, 1020);
    ui.txtRdBm = box(ui.Frame6, "txtRdBm", "Reverse power", 120, 270, 1140);
    ui.Label8 = label(ui.Frame6, "Label8", "dBm", 1335, 300, 800);
    ui.txtRCnt = box(ui.Frame6, "txtRCnt", "Reverse count", 120, 630, 1140);

    ui.Frame3 = frame(w, "Frame3", "Attenuation", 7380, 120, 2280, 1020);
    ui.txtAtnDB = box(ui.Frame3, "txtAtnDB", "Attenuation", 720, 270, 900);
    ui.UpDown1 = spin(ui.Frame3, "UpDown1", "Attenuation or constant power step", 1620, 270);
    ui.lblAtnUnit = label(ui.Frame3, "lblAtnUnit", "dB", 1920, 300, 300);
    ui.Label2 = label(ui.Frame3, "Label2", "DAC", 120, 660, 580);
    ui.txtAtnCnt = box(ui.Frame3, "txtAtnCnt", "Attenuator count", 720, 630, 900);
    ui.UpDown2 = spin(ui.Frame3, "UpDown2", "Attenuator count step", 1620, 630);

    ui.Frame13 = frame(w, "Frame13", "Temperature", 7380, 1275, 2280, 1020);
    ui.lblUnitTempType = label(ui.Frame13, "lblUnitTempType", "Unit", 120, 300, 600);
    ui.txtTemp = box(ui.Frame13, "txtTemp", "Temperature", 720, 270, 900);
    ui.lblTempUnit = label(ui.Frame13, "lblTempUnit", "°C", 1680, 300, 450);
    ui.Label12 = label(ui.Frame13, "Label12", "Inlet:", 120, 660, 600);
    ui.txtTemp2 = box(ui.Frame13, "txtTemp2", "Inlet temperature", 720, 630, 900);
    ui.Label14 = label(ui.Frame13, "Label14", "°C", 1680, 660, 450);

    ui.Frame20 = frame(w, "Frame20", "Constant Pwr", 9780, 120, 2280, 1020);
    ui.chkConstPwr = check(ui.Frame20, "chkConstPwr", "Enabled", 120, 270, 960);
    // Wide enough that its caption keeps clear of its edges.
    ui.btnGoToPwr = button(ui.Frame20, "btnGoToPwr", "GoTo Power", 1095, 240, 1155, 345);
    ui.txtConstLvl = box(ui.Frame20, "txtConstLvl", "Constant power level", 120, 630, 900);
    ui.Label64 = label(ui.Frame20, "Label64", "dBm", 1080, 660, 800);

    ui.Frame27 = frame(w, "Frame27", "Current RF Band", 9780, 1275, 2280, 1020);
    ui.cmbRfBand = combo(ui.Frame27, "cmbRfBand", "RF band", {}, 120, 300, 2040);
}

void buildTransmitAndTrips(QWidget* w, frmMainUi& ui)
{
    ui.fraTransmitControl = frame(w, "fraTransmitControl", "Transmit Control", 120, 2415, 2160, 1020);
    ui.chkPS = check(ui.fraTransmitControl, "chkPS", "Transmitter ON", 120, 270, 1920);
    ui.chkRFI = check(ui.fraTransmitControl, "chkRFI", "RF Inhibit", 120, 630, 1920);

    ui.fraTripLevels = frame(w, "fraTripLevels", "RF Trip Levels", 2400, 2415, 3840, 1380);
    const QStringList types = {QStringLiteral("Disabled"), QStringLiteral("Fault"), QStringLiteral("Alarm")};
    QWidget* f = ui.fraTripLevels;
    ui.lblFhiTrip = label(f, "lblFhiTrip", "Fwd High:", 120, 300, 900);
    ui.cmbFhiTripType = combo(f, "cmbFhiTripType", "Forward high trip type", types, 1020, 255, 1200);
    ui.txtFhiLvl = box(f, "txtFhiLvl", "Forward high trip level", 2280, 270, 840);
    ui.Label67 = label(f, "Label67", "dBm", 3180, 300, 600);
    ui.lblFloTrip = label(f, "lblFloTrip", "Fwd Low:", 120, 660, 900);
    ui.cmbFloTripType = combo(f, "cmbFloTripType", "Forward low trip type", types, 1020, 615, 1200);
    ui.txtFloLvl = box(f, "txtFloLvl", "Forward low trip level", 2280, 630, 840);
    ui.Label69 = label(f, "Label69", "dBm", 3180, 660, 600);
    ui.lblRhiTrip = label(f, "lblRhiTrip", "Reverse:", 120, 1020, 900);
    ui.cmbRhiTripType = combo(f, "cmbRhiTripType", "Reverse trip type", types, 1020, 975, 1200);
    ui.lblFhiTrip->setBuddy(ui.cmbFhiTripType);
    ui.lblFloTrip->setBuddy(ui.cmbFloTripType);
    ui.lblRhiTrip->setBuddy(ui.cmbRhiTripType);
    ui.txtRhiLvl = box(f, "txtRhiLvl", "Reverse trip level", 2280, 990, 840);
    ui.Label71 = label(f, "Label71", "dBm", 3180, 1020, 600);
}

void buildTubeAndSense(QWidget* w, frmMainUi& ui)
{
    // Tube units: helix and heater in two columns, anode voltage and cathode current below.
    ui.Frame30 = frame(w, "Frame30", "Helix/Heater", 6360, 2415, 3900, 1380);
    ui.Frame30->hide();   // the tube layout shows it in place of Frame14
    QWidget* f = ui.Frame30;
    ui.Label85 = arrangedLabel(f, "Label85");
    ui.txtHelixV = arrangedBox(f, "txtHelixV", "Helix voltage");
    ui.lblHelixVUnit = arrangedLabel(f, "lblHelixVUnit");
    ui.Label86 = arrangedLabel(f, "Label86");
    ui.txtHelixI = arrangedBox(f, "txtHelixI", "Helix current");
    ui.lblHelixIUnit = arrangedLabel(f, "lblHelixIUnit");
    ui.Label18 = arrangedLabel(f, "Label18");
    ui.txtAnodeV = arrangedBox(f, "txtAnodeV", "Anode voltage");
    ui.Label37 = arrangedLabel(f, "Label37");
    ui.Label88 = arrangedLabel(f, "Label88");
    ui.txtHeaterV = arrangedBox(f, "txtHeaterV", "Heater voltage");
    ui.Label90 = arrangedLabel(f, "Label90");
    ui.Label9 = arrangedLabel(f, "Label9");
    ui.txtHelix2I = arrangedBox(f, "txtHelix2I", "Second helix or heater current");
    ui.Label10 = arrangedLabel(f, "Label10");
    ui.Label38 = arrangedLabel(f, "Label38");
    ui.txtCathI = arrangedBox(f, "txtCathI", "Cathode current");
    ui.Label39 = arrangedLabel(f, "Label39");
    arrangement::Apply(f, arrangement::HelixHeaterFrame);

    // Other families: four current-sense readings, or the DC input voltage in txtCS2.
    ui.Frame14 = new QGroupBox(QStringLiteral("Current Sense"), w);
    ui.Frame14->setObjectName(QStringLiteral("Frame14"));
    arrangement::Apply(ui.Frame14, arrangement::CurrentSenseFrame);
    f = ui.Frame14;
    ui.Label21 = arrangedLabel(f, "Label21");
    ui.txtCS1 = arrangedBox(f, "txtCS1", "Current sense 1");
    ui.txtCS3 = arrangedBox(f, "txtCS3", "Current sense 3");
    ui.Label25 = arrangedLabel(f, "Label25");
    ui.Label22 = arrangedLabel(f, "Label22");
    ui.txtCS2 = arrangedBox(f, "txtCS2", "Current sense 2 or DC input voltage");
    ui.Label26 = arrangedLabel(f, "Label26");
    ui.Label26->setAccessibleName(QStringLiteral("DC input voltage unit"));
    ui.txtCS4 = arrangedBox(f, "txtCS4", "Current sense 4");
    ui.Label28 = arrangedLabel(f, "Label28");
    arrangement::Apply(f, arrangement::CurrentSenseControls);

    // Frequency, sub-band and tube life beside them; each value reaches to the window's
    // right edge, so "14250 MHz" and a sub-band's "#3   14.25 GHz" show whole.
    ui.lblRFFrq = label(w, "lblRFFrq", "RF Frq:", 10380, 2520, 600);
    // The values start a few pixels after their captions' width: a caption never touches its value.
    ui.lblRFFrqVal = valueLabel(w, "lblRFFrqVal", "27500 MHz", "RF frequency", 11070, 2520, 1095);
    ui.lblSband = label(w, "lblSband", "SBand:", 10380, 2850, 600);
    ui.lblSBandFrq = valueLabel(w, "lblSBandFrq", "30.25", "Current sub-band", 11070, 2850, 1095);
    ui.lblTWTSrvc = label(w, "lblTWTSrvc", "TWT Srvc:", 10380, 3180, 840);
    ui.lblTWTLife = valueLabel(w, "lblTWTLife", "", "Tube service life", 11280, 3180, 885);
}

void buildSwitchesAndCounters(QWidget* w, frmMainUi& ui)
{
    ui.fraWaveguideSwitches = frame(w, "fraWaveguideSwitches", "Waveguide Switches", 120, 3915, 2760, 1020);
    QWidget* f = ui.fraWaveguideSwitches;
    const QStringList positions = {QStringLiteral("A"), QStringLiteral("B")};
    ui.lblWgSw1 = label(f, "lblWgSw1", "Sw 1:", 120, 300, 480);
    ui.cmbWgSw1 = combo(f, "cmbWgSw1", "Waveguide switch 1 position", positions, 630, 255, 690);
    ui.lblWgSw2 = label(f, "lblWgSw2", "Sw 2:", 1440, 300, 480);
    ui.cmbWgSw2 = combo(f, "cmbWgSw2", "Waveguide switch 2 position", positions, 1950, 255, 690);
    // The captions label the lists for assistive technology, which reads a list's choice
    // as its name.
    ui.lblWgSw1->setBuddy(ui.cmbWgSw1);
    ui.lblWgSw2->setBuddy(ui.cmbWgSw2);
    ui.chkAutoMode = check(f, "chkAutoMode", "Automatic Mode", 120, 630, 2520);

    ui.fraWaveguideCfg = frame(w, "fraWaveguideCfg", "Waveguide Cfg", 3000, 3915, 2880, 1020);
    ui.cmbWgCfg = combo(ui.fraWaveguideCfg, "cmbWgCfg", "Waveguide configuration",
                        {QStringLiteral("0 - None"), QStringLiteral("1 - 1-For-1"), QStringLiteral("2 - 1-Plus-1"),
                         QStringLiteral("3 - 1-For-1 w/load"), QStringLiteral("4 - 1-For-2"),
                         QStringLiteral("6 - Standalone w/load")},
                        120, 300, 2640);

    ui.fraHours = frame(w, "fraHours", "Hours", 6000, 3915, 2280, 1020);
    ui.Label19 = label(ui.fraHours, "Label19", "PS:", 120, 300, 660);
    ui.txtPSHours = box(ui.fraHours, "txtPSHours", "First hour meter", 780, 270, 1380);
    ui.Label20 = label(ui.fraHours, "Label20", "Xmtr:", 120, 660, 660);
    ui.txtXmtHours = box(ui.fraHours, "txtXmtHours", "Second hour meter", 780, 630, 1380);

    ui.fraLinearizer = frame(w, "fraLinearizer", "Linearizer", 8400, 3915, 2280, 1020);
    ui.lblLinAmp = label(ui.fraLinearizer, "lblLinAmp", "Amp:", 120, 300, 660);
    ui.txtLinAmp = box(ui.fraLinearizer, "txtLinAmp", "Linearizer amplitude", 780, 270, 900);
    ui.UpDown3 = spin(ui.fraLinearizer, "UpDown3", "Linearizer amplitude step", 1680, 270);
    ui.lblLinPhase = label(ui.fraLinearizer, "lblLinPhase", "Phase:", 120, 660, 660);
    ui.txtLinPhase = box(ui.fraLinearizer, "txtLinPhase", "Linearizer phase", 780, 630, 900);
    ui.UpDown4 = spin(ui.fraLinearizer, "UpDown4", "Linearizer phase step", 1680, 630);

    ui.btnConnect = button(w, "btnConnect", "Connect", 10800, 4005, 1260, 405);
    ui.btnFaultReset = button(w, "btnFaultReset", "Fault Reset", 10800, 4530, 1260, 405);
}

void buildIdentity(QWidget* w, frmMainUi& ui)
{
    ui.fraUnitInfo = frame(w, "fraUnitInfo", "Unit Information", 120, 5055, 5760, 1020);
    QWidget* f = ui.fraUnitInfo;
    ui.lblFrmRev = label(f, "lblFrmRev", "Firmware:", 120, 300, 840);
    ui.txtFrmRev = box(f, "txtFrmRev", "Firmware revision", 990, 270, 1770);
    ui.lblCplDate = label(f, "lblCplDate", "Fw Date:", 2880, 300, 840);
    ui.txtCplDate = box(f, "txtCplDate", "Firmware date", 3750, 270, 1890);
    ui.lblPN = label(f, "lblPN", "Part No:", 120, 660, 840);
    ui.txtPN = box(f, "txtPN", "Part number", 990, 630, 1770);
    ui.lblSN = label(f, "lblSN", "Serial No:", 2880, 660, 840);
    ui.txtSN = box(f, "txtSN", "Serial number", 3750, 630, 1890);

    // "&&" shows one ampersand: a single one would mark a shortcut letter.
    ui.fraUnitDateTime = frame(w, "fraUnitDateTime", "Unit Date && Time", 6000, 5055, 3000, 1020);
    ui.txtDateTime = box(ui.fraUnitDateTime, "txtDateTime", "Unit date and time", 120, 330, 1860);
    ui.Command7 = button(ui.fraUnitDateTime, "Command7", "Now", 2100, 300, 780, 360);

    ui.fraUnitAddress = frame(w, "fraUnitAddress", "Unit Address", 9120, 5055, 1560, 1020);
    ui.txtAdr = box(ui.fraUnitAddress, "txtAdr", "Unit device address", 120, 330, 600);
    ui.txtAdr->setMaxLength(1);
}

void buildFileMenu(QMenuBar* bar, frmMainUi& ui)
{
    ui.mnuFile = submenu(bar, "mnuFile", "&File");
    QMenu* m = ui.mnuFile;
    ui.mnuConnect = item(m, "mnuConnect", QStringLiteral("Connect"));
    ui.mnuExtSrch = item(m, "mnuExtSrch", QStringLiteral("Extended Search"));
    ui.mnuAdvSrch = item(m, "mnuAdvSrch", QStringLiteral("Advanced Search"));
    m->addSeparator();
    ui.mnuLoadFile = item(m, "mnuLoadFile", QStringLiteral("Load Cfg File..."));
    ui.mnuSaveAs = item(m, "mnuSaveAs", QStringLiteral("Save Unit Cfg..."));
    m->addSeparator();
    ui.mnuFaultLog = submenu(m, "mnuFaultLog", "Download Fault Log");
    m->addMenu(ui.mnuFaultLog);
    ui.mnuDnldFltLog = item(ui.mnuFaultLog, "mnuDnldFltLog", QStringLiteral("Short Fault Log"));
    ui.mnuFullFaultLog = item(ui.mnuFaultLog, "mnuFullFaultLog", QStringLiteral("Full Fault Log"));
    ui.mnuPLog = item(m, "mnuPLog", QStringLiteral("Download Parameter Logs"));
    ui.mnuTrendLogs = item(m, "mnuTrendLogs", QStringLiteral("Download Trend Logs"));
    m->addSeparator();
    ui.mnuAtnCal = item(m, "mnuAtnCal", QStringLiteral("Calibrate Attenuator..."));
    ui.mnuAtnCal->setVisible(false);   // no attenuator calibration scan is offered
    ui.mnuCalFactor = item(m, "mnuCalFactor", QStringLiteral("Cal-Factor Table"));
    m->addSeparator();
    const char* calCaptions[8] = {
        "Get RF Cal From Amp",
        "Send RF Cal Table To Amp",
        "Get Rev RF Cal Table From Amp",
        "Send Rev RF RF Cal Table To Amp",
        "Get Atten Cal Table From Amp",
        "Send Atten Cal Table To Amp",
        "Get Input Drive Cal Table From Amp",
        "Send Input Drive Cal Table To Amp",
    };
    for (int i = 0; i < 8; ++i) {
        QAction* a = m->addAction(name(calCaptions[i]));
        a->setObjectName(QStringLiteral("mnuCalTables_%1").arg(i));
        a->setEnabled(false);
        ui.mnuCalTables[i] = a;
    }
    m->addSeparator();
    ui.mnuCmdLine = item(m, "mnuCmdLine", QStringLiteral("Commandline"));
    m->addSeparator();
    ui.mnuFileExit = item(m, "mnuFileExit", QStringLiteral("E&xit"));
    bar->addMenu(m);
}

void buildCommunicationMenu(QMenuBar* bar, frmMainUi& ui)
{
    ui.mnuComm = submenu(bar, "mnuComm", "&Communication");
    QMenu* m = ui.mnuComm;
    ui.mnuCom = submenu(m, "mnuCom", "Serial Port:   COM1");
    m->addMenu(ui.mnuCom);
    for (int i = 0; i < 10; ++i) {
        QAction* a = ui.mnuCom->addAction(QStringLiteral("Com%1").arg(i + 1));
        a->setObjectName(QStringLiteral("mnuComPort_%1").arg(i));
        a->setCheckable(true);
        ui.mnuComPort[i] = a;
    }
    ui.mnuPortScan = item(m, "mnuPortScan", QStringLiteral("Scan for Serial Ports"));
    ui.mnuPollEn = item(m, "mnuPollEn", QStringLiteral("Poll Single Address "), true);
    ui.mnuPollAdrs = item(m, "mnuPollAdrs", QStringLiteral("Poll Address A"));
    m->addSeparator();
    ui.mnuUseEnet = item(m, "mnuUseEnet", QStringLiteral("Use Ethernet"), true);
    ui.mnuEnterIP = item(m, "mnuEnterIP", QStringLiteral("IP Address:    10.0.0.254"));
    ui.mnuEthPort = item(m, "mnuEthPort", QStringLiteral("Ethernet Port:2000"));
    ui.mnuLocateIP = item(m, "mnuLocateIP", QStringLiteral("Locate IP"));
    ui.mnuOpenWebpage = item(m, "mnuOpenWebpage", QStringLiteral("Open Webpage"));
    bar->addMenu(m);
}

void buildSetupMenu(QMenuBar* bar, frmMainUi& ui)
{
    ui.mnuSetup = submenu(bar, "mnuSetup", "&Setup");
    QMenu* m = ui.mnuSetup;
    ui.mnuEnetCfg = item(m, "mnuEnetCfg", QStringLiteral("Ethernet Cfg"));
    ui.mnuLLDPCfg = item(m, "mnuLLDPCfg", QStringLiteral("LLDP COnfiguration"));
    ui.mnuAmpCom = item(m, "mnuAmpCom", QStringLiteral("Serial Com"));
    ui.mnulcBucSetup = item(m, "mnulcBucSetup", QStringLiteral("Block UpConverter"));
    ui.mnuGainBal = item(m, "mnuGainBal", QStringLiteral("Gain Balance"));
    ui.mnuMaxPwrLvl = item(m, "mnuMaxPwrLvl", QStringLiteral("Max Power Level"));
    ui.mnuStartupCfg = item(m, "mnuStartupCfg", QStringLiteral("Startup Cfg"));
    ui.mnuTempTripLevels = item(m, "mnuTempTripLevels", QStringLiteral("Temperature Trip Levels"));
    ui.mnuPowerSave = item(m, "mnuPowerSave", QStringLiteral("Power Save"));
    ui.mnuFltAlm = item(m, "mnuFltAlm", QStringLiteral("Fault/Alarm Config"));
    ui.mnuRfBandCfg = item(m, "mnuRfBandCfg", QStringLiteral("RF Band Configuration"));
    ui.mnuRRfOffset = item(m, "mnuRRfOffset", QStringLiteral("Rev RF Power Offset"));
    ui.mnuReturnLoss = item(m, "mnuReturnLoss", QStringLiteral("Return Loss"));
    ui.mnuPsVset = item(m, "mnuPsVset", QStringLiteral("PS Vset"));
    ui.mnuISense = item(m, "mnuISense", QStringLiteral("Current Sense..."));
    ui.mnuCathCurInit = item(m, "mnuCathCurInit", QStringLiteral("Cathode Current Init"));
    m->addSeparator();
    ui.mnuHeaterState = item(m, "mnuHeaterState", QStringLiteral("Heater Enabled"), true);
    ui.mnuHtrStby = item(m, "mnuHtrStby", QStringLiteral("Heater Standby Enabled"), true);
    ui.mnuLEDMode = item(m, "mnuLEDMode", QStringLiteral("Status LED Disabled"), true);
    ui.mnuRfiInvert = item(m, "mnuRfiInvert", QStringLiteral("RF Inhibit Invert"), true);
    ui.mnuAutoHVDisable = item(m, "mnuAutoHVDisable", QStringLiteral("Auto-Xmit Restore Disabled"), true);
    ui.mnuAutoClrBUC = item(m, "mnuAutoClrBUC", QStringLiteral("Auto Clear UpConverter Fault"), true);
    ui.mnuRack = item(m, "mnuRack", QStringLiteral("Rack Mount"), true);
    ui.mnu2ndUmbilical = item(m, "mnu2ndUmbilical", QStringLiteral("Dual Umbilical Brd"), true);
    m->addSeparator();
    ui.mnuClrHrs = item(m, "mnuClrHrs", QStringLiteral("Clear Hours"));
    ui.mnuReboot = item(m, "mnuReboot", QStringLiteral("Reboot Amp"));
    bar->addMenu(m);
}

// Entries the program offers no action for: shown disabled at all times, so the operator
// sees they are not offered. The two configuration entries show the unit's option word as
// the first read ticks them; a click changes nothing.
void disableEntriesNotOffered(frmMainUi& ui)
{
    for (QAction* a : {ui.mnuFltAlm, ui.mnuRfBandCfg, ui.mnuRRfOffset, ui.mnuCathCurInit, ui.mnuRack,
                       ui.mnu2ndUmbilical, ui.mnuClrHrs, ui.mnuMfgInfo})
        a->setEnabled(false);
}

void buildOtherMenus(QMenuBar* bar, frmMainUi& ui)
{
    ui.mnuUnit = submenu(bar, "mnuUnit", "&Unit");
    ui.mnuMfgInfo = item(ui.mnuUnit, "mnuMfgInfo", QStringLiteral("Mfg Info..."));
    ui.mnuModelCfgPN = item(ui.mnuUnit, "mnuModelCfgPN", QStringLiteral("Model Cfg Part Number"));
    ui.mnuUnit->addSeparator();
    ui.mnuWgArcTest = item(ui.mnuUnit, "mnuWgArcTest", QStringLiteral("Waveguide Arc Test"));
    ui.mnuSumFltTest = item(ui.mnuUnit, "mnuSumFltTest", QStringLiteral("Summary Fault Test"));
    bar->addMenu(ui.mnuUnit);

    ui.mnuDisplay = submenu(bar, "mnuDisplay", "&Display");
    ui.mnuWatts = item(ui.mnuDisplay, "mnuWatts", QStringLiteral("Display Watts"));
    bar->addMenu(ui.mnuDisplay);

    // Shown by the first read when the unit has sub-bands.
    ui.mnuSubBands = submenu(bar, "mnuSubBands", "Sub Band");
    QAction** items[8] = {&ui.mnuSubB1, &ui.mnuSubB2, &ui.mnuSubB3, &ui.mnuSubB4,
                          &ui.mnuSubB5, &ui.mnuSubB6, &ui.mnuSubB7, &ui.mnuSubB8};
    for (int n = 1; n <= 8; ++n) {
        QAction* a = ui.mnuSubBands->addAction(QStringLiteral("#%1   ").arg(n));
        a->setObjectName(QStringLiteral("mnuSubB%1").arg(n));
        a->setCheckable(true);
        a->setVisible(n == 1);
        *items[n - 1] = a;
    }
    bar->addMenu(ui.mnuSubBands);
    ui.mnuSubBands->menuAction()->setVisible(false);

    ui.mnuHelp = submenu(bar, "mnuHelp", "&Help");
    ui.mnuHelpAbout = item(ui.mnuHelp, "mnuHelpAbout", QStringLiteral("&About "));
    bar->addMenu(ui.mnuHelp);
}

}   // namespace

QAction* frmMainUi::subBandItem(int n) const
{
    const std::array<QAction*, 8> items = {mnuSubB1, mnuSubB2, mnuSubB3, mnuSubB4,
                                           mnuSubB5, mnuSubB6, mnuSubB7, mnuSubB8};
    return n >= 1 && n <= 8 ? items[n - 1] : nullptr;
}

void buildFrmMainUi(QMainWindow* window, frmMainUi& ui)
{
    // The design's small type: an indicator row is 195 twips (13 pixels) high.
    QFont font = window->font();
    font.setPixelSize(11);
    window->setFont(font);

    ui.centralWidget = new QWidget(window);
    ui.centralWidget->setObjectName(QStringLiteral("centralWidget"));
    ui.centralWidget->setFixedSize(twips::ToPixels(12180), twips::ToPixels(6195));
    window->setCentralWidget(ui.centralWidget);

    buildStatusPanels(ui.centralWidget, ui);
    buildReadings(ui.centralWidget, ui);
    buildTransmitAndTrips(ui.centralWidget, ui);
    buildTubeAndSense(ui.centralWidget, ui);
    buildSwitchesAndCounters(ui.centralWidget, ui);
    buildIdentity(ui.centralWidget, ui);

    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    buildFileMenu(bar, ui);
    buildCommunicationMenu(bar, ui);
    buildSetupMenu(bar, ui);
    buildOtherMenus(bar, ui);
    disableEntriesNotOffered(ui);

    ui.sbStatusBar = window->statusBar();
    ui.sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    ui.sbStatusBar->setSizeGripEnabled(false);
    ui.sbStatusBarPanel1 = new ValueLabel(QString(), QStringLiteral("Status message"), ui.sbStatusBar);
    ui.sbStatusBarPanel1->setObjectName(QStringLiteral("sbStatusBarPanel1"));
    ui.sbStatusBar->addWidget(ui.sbStatusBarPanel1, 1);
}
