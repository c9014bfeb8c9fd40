// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GROWTOTEXT_H
#define GROWTOTEXT_H

#include <QPushButton>
#include <QStyle>

// A button placed at a fixed size keeps it while its text fits and grows,
// where it stands, when a translation or a larger font does not.
inline void growToText(QPushButton *button)
{
    button->ensurePolished(); // a style sheet's font is set by polishing
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    button->resize(button->size().expandedTo(text + QSize(2 * (frame + margin), 2 * frame + 2)));
}

#endif
