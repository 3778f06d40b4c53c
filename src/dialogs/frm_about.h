#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: product name, version, description and the warranty text. It has no owner
// and is not modal; there is at most one, and asking for it again brings that one up.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the about box, creating it when none is open.
    static frmAbout *showAbout();

    QLabel *lblProdukt;
    QLabel *lblVersion;
    QLabel *lblComment;
    QPlainTextEdit *txtRecht;
    QLabel *Label1;
    QPushButton *btnOK;

private:
    void Form_Load();
};
