#pragma once
// PaneStatusBar: a status bar with three text panes (0: summary line, 1: state text, 2: time
// of the last finished query). They share the width 56 : 17 : 27, so that the date and time
// of the last query fit into the third.

#include <QStatusBar>
#include <array>

class QLabel;

class PaneStatusBar : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPaneCount = 3;
    explicit PaneStatusBar(QWidget* parent = nullptr);

    // Panes are counted from 0; any other index is ignored (paneText gives the empty text).
    void setPaneText(int pane, const QString& text);
    QString paneText(int pane) const;

private:
    std::array<QLabel*, kPaneCount> m_panes{};
};
