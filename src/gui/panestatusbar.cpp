#include "gui/panestatusbar.h"

#include <QLabel>

PaneStatusBar::PaneStatusBar(QWidget* parent) : QStatusBar(parent) {
    const int stretch[kPaneCount] = {560, 170, 270};
    for (int i = 0; i < kPaneCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("pane%1").arg(i));
        // Long texts are cut at the pane's edge instead of widening the window.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setMinimumWidth(0);
        addWidget(label, stretch[i]);
        m_panes[i] = label;
    }
}

void PaneStatusBar::setPaneText(int pane, const QString& text) {
    if (pane < 0 || pane >= kPaneCount)
        return;
    m_panes[pane]->setText(text);
    m_panes[pane]->setToolTip(text);
}

QString PaneStatusBar::paneText(int pane) const {
    if (pane < 0 || pane >= kPaneCount)
        return QString();
    return m_panes[pane]->text();
}
