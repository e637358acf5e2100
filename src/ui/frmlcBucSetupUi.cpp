#include "ui/frmlcBucSetupUi.h"
#include "ui/DialogParts.h"
#include "ui/UpDown.h"
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using dialogparts::named;

namespace {

// A captioned frame holding one value box and its unit; the box is wide enough for
// "-999.9" and named for assistive technology.
QLineEdit* valueFrame(QWidget* dialog, QGroupBox*& frame, const char* frameName, const char* caption,
                      const char* boxName, const char* accessible, const char* unit)
{
    frame = named(new QGroupBox(QString::fromLatin1(caption), dialog), frameName);
    auto* box = named(new QLineEdit(frame), boxName);
    box->setAccessibleName(QString::fromLatin1(accessible));
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-9999.9")) + 12);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(box);
    row->addWidget(new QLabel(QString::fromLatin1(unit), frame));
    row->addStretch();
    return box;
}

QLineEdit* reading(QWidget* dialog, QGroupBox*& frame, const char* frameName, const char* caption, const char* boxName,
                   const char* accessible, const char* unit)
{
    QLineEdit* box = valueFrame(dialog, frame, frameName, caption, boxName, accessible, unit);
    box->setReadOnly(true);   // the unit's value: keys do nothing
    return box;
}

}   // namespace

void frmlcBucSetupUi::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("frmlcBucSetup"));
    dialog->setWindowTitle(QStringLiteral("Block UpConverter Setup"));

    txtlcBucA = valueFrame(dialog, fraAtten, "fraAtten", "IF Attenuation", "txtlcBucA", "IF attenuation", "dB");
    UpDown1 = named(new UpDown(fraAtten), "UpDown1");
    UpDown1->setAccessibleNames(QStringLiteral("IF attenuation"));
    UpDown1->setFixedSize(18, txtlcBucA->sizeHint().height());
    // The arrows are reached by Tab (Space steps); a click leaves the focus in the box.
    UpDown1->upButton()->setFocusPolicy(Qt::TabFocus);
    UpDown1->downButton()->setFocusPolicy(Qt::TabFocus);
    auto* attenRow = static_cast<QHBoxLayout*>(fraAtten->layout());
    attenRow->insertWidget(1, UpDown1);
    btnadjAtn = named(new QPushButton(QStringLiteral("Adjust Atten"), fraAtten), "btnadjAtn");
    btnadjAtn->setAutoDefault(false);
    dialogparts::RoomForCaption(btnadjAtn);
    attenRow->addWidget(btnadjAtn);

    txtlcBucPwr = reading(dialog, fraPwr, "fraPwr", "IF Input Power", "txtlcBucPwr", "IF input power", "dBm");
    txtlcBucIdeal =
        reading(dialog, fraIdeal, "fraIdeal", "IF Overdrive Level", "txtlcBucIdeal", "IF overdrive level", "dB");
    txtlcBucTemp = reading(dialog, fraTemp, "fraTemp", "BUC Temperature", "txtlcBucTemp", "BUC temperature", "C");
    txtlcBucS = reading(dialog, fraOptimal, "fraOptimal", "Optimal IF Input Power", "txtlcBucS",
                        "Optimal IF input power", "dBm");
    txtlcBucS->setEnabled(false);

    btnOk = named(new QPushButton(QStringLiteral("OK"), dialog), "btnOk");
    btnOk->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    auto* column = new QVBoxLayout(dialog);
    for (QGroupBox* frame : {fraAtten, fraPwr, fraIdeal, fraTemp, fraOptimal})
        column->addWidget(frame);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);   // the hidden overdrive frame leaves no gap

    QWidget::setTabOrder(txtlcBucA, UpDown1->upButton());
    QWidget::setTabOrder(UpDown1->upButton(), UpDown1->downButton());
    QWidget::setTabOrder(UpDown1->downButton(), btnadjAtn);
    QWidget::setTabOrder(btnadjAtn, txtlcBucPwr);
    QWidget::setTabOrder(txtlcBucPwr, txtlcBucIdeal);
    QWidget::setTabOrder(txtlcBucIdeal, txtlcBucTemp);
    QWidget::setTabOrder(txtlcBucTemp, btnOk);
}
