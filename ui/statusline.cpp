// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statusline.h"

#include <QResizeEvent>
#include <QStringList>

StatusLine::StatusLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    // Never widen the window for a long line: it is shortened instead.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(0);
}

void StatusLine::setTopic(Topic topic, const QString &brief, const QString &full)
{
    m_brief[topic] = brief;
    m_full[topic] = brief.isEmpty() ? QString() : (full.isEmpty() ? brief : full);
    refresh();
}

void StatusLine::setPassing(const QString &message)
{
    m_passing = message;
    refresh();
}

void StatusLine::refresh()
{
    QStringList briefs, fulls;
    bool warning = false;
    for (int t = 0; t < TopicCount; ++t) {
        if (t == Listening && !m_passing.isEmpty())
            briefs << m_passing;
        if (m_brief[t].isEmpty())
            continue;
        briefs << m_brief[t];
        fulls << m_full[t];
        warning = warning || t != Listening;
    }
    m_line = briefs.join(QStringLiteral("  ·  "));
    setToolTip(fulls.join(QLatin1Char('\n')));
    setStyleSheet(warning ? QStringLiteral("color: #b3261e;") : QString());
    showElided();
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void StatusLine::showElided()
{
    setText(fontMetrics().elidedText(m_line, Qt::ElideRight, qMax(0, contentsRect().width())));
}
