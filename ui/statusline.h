// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STATUSLINE_H
#define STATUSLINE_H

#include <QLabel>
#include <QString>
#include <QStringList>

// The main window's status line: every warning that holds until its cause is
// gone, the status bar's passing message (QStatusBar::showMessage, such as
// "Speech started...") and what listening does, in that order, so that no
// message hides another. Each topic has a brief text for the line and a full
// text for the tooltip. While a warning holds, or when the whole is too long
// for one line, the first has a line of its own and the rest goes on a second
// line, so that a warning or the next step is read whole.
class StatusLine : public QLabel
{
    Q_OBJECT
public:
    // In the order shown: the warnings first, then what listening does and
    // where the player is.
    enum Topic { Speech, Logs, Unopened, Language, NoLogs, Dropped, MapRules, Unlocated, Listening, Location, TopicCount };
    Q_ENUM(Topic)

    explicit StatusLine(QWidget *parent = nullptr);

    // An empty brief removes the topic; an empty full text repeats the brief.
    void setTopic(Topic topic, const QString &brief, const QString &full = QString());
    void clearTopic(Topic topic) { setTopic(topic, QString()); }
    QString brief(Topic topic) const { return m_brief[topic]; }
    // The status bar's passing message, shown until it changes.
    void setPassing(const QString &message);
    // The whole line before it is shortened to the label's width.
    QString line() const { return m_line; }
    bool hasWarning() const;

signals:
    // A warning appeared or its text changed; an empty brief: it is gone.
    // Not sent again while it only repeats.
    void warningChanged(StatusLine::Topic topic, const QString &brief, const QString &full);
    // The line or its tooltip changed.
    void changed();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    void showElided();

    QString m_brief[TopicCount];
    QString m_full[TopicCount];
    QString m_passing;
    QStringList m_parts;
    QString m_line;
};

#endif
