// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHANNELDIALOG_H
#define CHANNELDIALOG_H

#include <QDialog>

namespace Ui {
class ChannelDialog;
}

// Lets the user pick the channels to follow from the chat-log file names.
class ChannelDialog : public QDialog
{
    Q_OBJECT
public:
    // A channel's row holds how long ago its newest log was written.
    enum { AgeRole = Qt::UserRole + 1 };

    explicit ChannelDialog(QWidget *parent = nullptr);
    ~ChannelDialog() override;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::ChannelDialog *ui;
};

#endif
