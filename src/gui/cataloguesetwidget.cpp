#include "gui/cataloguesetwidget.h"

#include "catalogue/cataloguecontroller.h"
#include "catalogue/cataloguefilter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QVBoxLayout* captioned(const QString& caption, QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->addWidget(new QLabel(caption, parent));
    return column;
}

} // namespace

CatalogueSetWidget::CatalogueSetWidget(int set, QWidget* parent) : QWidget(parent), m_set(set) {
    const QString suffix = set == ts::OpenOrderSet ? QStringLiteral("_未") : QString();
    auto named = [&](QWidget* w, const QString& name) {
        w->setObjectName(name + suffix);
        return w;
    };

    m_letters = new QComboBox(this);
    named(m_letters, QStringLiteral("字母分类"));
    m_letters->addItems(ts::LetterFilterItems());
    m_keyword = new QLineEdit(this);
    named(m_keyword, QStringLiteral("编辑框_关键字"));
    m_keyword->setPlaceholderText(QStringLiteral("游戏名关键字"));
    m_search = new QPushButton(QStringLiteral("搜"), this);
    named(m_search, QStringLiteral("按钮_关键字"));
    m_search->setFixedWidth(36);

    const QString listNames[4] = {
        QStringLiteral("游戏列表_GameName_显"), QStringLiteral("商品类型_商品_显"),
        QStringLiteral("游戏分区_大区_显"), QStringLiteral("游戏伺服_服务器_显")};
    for (int level = 0; level < 4; ++level) {
        m_lists[level] = new QListWidget(this);
        named(m_lists[level], listNames[level]);
        m_lists[level]->setSelectionMode(QAbstractItemView::SingleSelection);
    }

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto* filter = captioned(QStringLiteral(" 1.字母分类"), this);
    filter->addWidget(m_letters);
    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(m_keyword);
    keywordRow->addWidget(m_search);
    filter->addLayout(keywordRow);
    filter->addStretch(1);
    auto* filterBox = new QWidget(this);
    filterBox->setLayout(filter);
    filter->setContentsMargins(0, 0, 0, 0);
    filterBox->setFixedWidth(150);
    row->addWidget(filterBox);

    const QString captions[4] = {QStringLiteral(" 2.游戏列表"), QStringLiteral(" 3.商品类型"),
                                 QStringLiteral(" 4.游戏分区"), QStringLiteral(" 5.游戏伺服")};
    const int stretch[4] = {3, 2, 2, 3};
    for (int level = 0; level < 4; ++level) {
        auto* column = captioned(captions[level], this);
        column->addWidget(m_lists[level], 1);
        row->addLayout(column, stretch[level]);
    }
}

void CatalogueSetWidget::showLevel(int level, const QStringList& names, int current) {
    QListWidget* list = m_lists[level];
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(names);
    list->setCurrentRow(current);
    if (current < 0)
        list->clearSelection();
}
