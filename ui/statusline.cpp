// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/statusline.h"

#include <QResizeEvent>

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
    const QString fullText = brief.isEmpty() ? QString() : (full.isEmpty() ? brief : full);
    // A repeat is no news; new details of the same warning are.
    const bool changed = topic < Listening && (brief != m_brief[topic] || fullText != m_full[topic]);
    m_brief[topic] = brief;
    m_full[topic] = fullText;
    refresh();
    if (changed)
        emit warningChanged(topic, brief, m_full[topic]);
}

bool StatusLine::hasWarning() const
{
    for (int t = 0; t < Listening; ++t) {
        if (!m_brief[t].isEmpty())
            return true;
    }
    return false;
}

void StatusLine::setPassing(const QString &message)
{
    m_passing = message;
    refresh();
}

void StatusLine::refresh()
{
    QStringList briefs, fulls;
    for (int t = 0; t < TopicCount; ++t) {
        if (t == Listening && !m_passing.isEmpty())
            briefs << m_passing;
        if (m_brief[t].isEmpty())
            continue;
        briefs << m_brief[t];
        fulls << m_full[t];
    }
    m_parts = briefs;
    m_line = briefs.join(QStringLiteral("  ·  "));
    setToolTip(fulls.join(QLatin1Char('\n')));
    setStyleSheet(hasWarning() ? QStringLiteral("color: #b3261e;") : QString());
    showElided();
    emit changed();
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

void StatusLine::showElided()
{
    const auto elided = [this](const QString &text) {
        return fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, contentsRect().width()));
    };
    // A warning always has the first line to itself; anything else only
    // when the whole does not fit on one.
    const bool fits = fontMetrics().horizontalAdvance(m_line) <= contentsRect().width();
    if (m_parts.size() < 2 || (fits && !hasWarning()))
        setText(elided(m_line));
    else
        setText(elided(m_parts.first()) + QLatin1Char('\n')
                + elided(m_parts.mid(1).join(QStringLiteral("  ·  "))));
}
