#ifndef LOCATIONDIALOG_H
#define LOCATIONDIALOG_H

#include <QDialog>

namespace Ui {
class LocationDialog;
}

// Edits the watched systems, one rule "prefix|system|message" per line.
class LocationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LocationDialog(QWidget *parent = nullptr);
    ~LocationDialog() override;

private slots:
    void on_buttonBox_accepted();
    void on_pushButton_clicked();

private:
    Ui::LocationDialog *ui;
};

#endif
