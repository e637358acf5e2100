#pragma once
#include "ui/frmSetSubBandUi.h"
#include <QDialog>
#include <functional>

struct UnitConfig;
class QAbstractButton;

// Offers the unit's sub-bands as option buttons ("#n  freq GHz", one for each sub-band the
// unit gave a frequency) with the current one selected, and hands the operator's choice of
// another to `setCurrentSubBand` (the main window's), then closes.
class frmSetSubBand : public QDialog {
    Q_OBJECT
public:
    frmSetSubBand(const UnitConfig& config, std::function<void(qint16)> setCurrentSubBand, QWidget* parent = nullptr);

    frmSetSubBandUi ui;

    void optSelectedSB_Click(int index);

private:
    void Form_Load();
    QList<QAbstractButton*> options() const;

    const UnitConfig& config_;
    std::function<void(qint16)> setCurrentSubBand_;
    bool FillingOptions = false;   // the load selects a button: no choice is taken
};
