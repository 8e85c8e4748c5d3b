#include "window/start_window.h"

#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

Form3::Form3()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint)
    , option1_(new QRadioButton(QStringLiteral("Easy"), this))
    , option2_(new QRadioButton(QStringLiteral("Hard"), this))
    , command1_(new QPushButton(QStringLiteral("Play"), this))
{
    setFixedSize(1560 / 15, 1875 / 15);
    option1_->setGeometry(24, 24, 72, 17);
    option2_->setGeometry(24, 48, 72, 17);
    command1_->setGeometry(16, 88, 72, 25);
    option1_->setChecked(true);
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &Form3::Command1_Click);
}

bool Form3::Easy() const
{
    return option1_->isChecked();
}

QPushButton* Form3::Command1() const
{
    return command1_;
}

void Form3::Command1_Click()
{
    accept();
}

void Form3::reject()
{
}

// The window has no title bar; it draws its own single border.
void Form3::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
