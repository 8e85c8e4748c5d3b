#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// Form3: the start window with the choice of "Easy" or "Hard".
class Form3 : public QDialog {
    Q_OBJECT

public:
    Form3();

    bool Easy() const;
    QPushButton* Command1() const;

public slots:
    void Command1_Click();
    // No close box: only "Play" leaves the window.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRadioButton* option1_;
    QRadioButton* option2_;
    QPushButton* command1_;
};
