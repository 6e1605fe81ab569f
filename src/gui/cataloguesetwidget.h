#pragma once
// CatalogueSetWidget: the controls of one catalogue set: the letter filter, the keyword box
// and its button, and the shown lists of the four levels under their captions. The open-order
// set's controls carry the suffix "_未". The identifier lists are plain data in the
// CatalogueController; these lists show its names.

#include <QWidget>
#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class CatalogueSetWidget : public QWidget {
    Q_OBJECT
public:
    CatalogueSetWidget(int set, QWidget* parent = nullptr);

    int set() const { return m_set; }
    QComboBox* letterCombo() const { return m_letters; }
    QLineEdit* keywordEdit() const { return m_keyword; }
    QPushButton* keywordButton() const { return m_search; }
    // The shown list of a level (indexed by ts::Level).
    QListWidget* list(int level) const { return m_lists[level]; }

    // Rewrites a shown list: the names and the current row (-1 for none), without reporting a
    // choice.
    void showLevel(int level, const QStringList& names, int current);

private:
    int m_set;
    QComboBox* m_letters;
    QLineEdit* m_keyword;
    QPushButton* m_search;
    std::array<QListWidget*, 4> m_lists{};
};
