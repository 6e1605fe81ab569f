#include "catalogue/cataloguecontroller.h"

#include "catalogue/cataloguefilter.h"

#include <QRunnable>

namespace ts {

namespace {

QString failed(const QString& what, const CatalogueResult& r) {
    return what + QStringLiteral(" 载入失败：") + r.error;
}

} // namespace

CatalogueController::CatalogueController(const Sites& sites, QObject* parent)
    : QObject(parent), m_sites(sites) {
    m_pool.setMaxThreadCount(4);
}

CatalogueController::~CatalogueController() {
    cancelAll();
    // Jobs post their results to this object: none may still run once it is gone.
    m_pool.waitForDone();
}

void CatalogueController::cancelAll() {
    invalidate(m_gameListSlot);
    for (auto& levels : m_slots)
        for (Slot& slot : levels)
            invalidate(slot);
}

void CatalogueController::invalidate(Slot& slot) {
    ++slot.generation;
    if (slot.cancel)
        slot.cancel->store(true);
    slot.cancel.reset();
}

void CatalogueController::startJob(Slot& slot, CatalogueCase level, const QString& parentGuid,
                                   Deliver deliver) {
    invalidate(slot);
    auto cancel = std::make_shared<std::atomic_bool>(false);
    slot.cancel = cancel;
    const quint64 generation = slot.generation;
    ++m_running;
    m_pool.start(QRunnable::create([this, sites = m_sites, level, parentGuid, cancel, generation,
                                    slotPtr = &slot, deliver = std::move(deliver)] {
        CatalogueResult result = FetchCatalogue(sites, level, parentGuid, cancel.get());
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), generation, slotPtr, deliver] {
                --m_running;
                if (slotPtr->generation != generation)
                    return; // a newer load or an emptying of this level came first
                slotPtr->cancel.reset();
                deliver(result);
            },
            Qt::QueuedConnection);
    }));
}

void CatalogueController::emptyLevel(int set, Level level) {
    invalidate(m_slots[set][static_cast<int>(level)]);
    m_sets[set].level(level).clear();
    Q_EMIT levelChanged(set, static_cast<int>(level));
}

void CatalogueController::loadGameList() {
    for (int s = 0; s < kCatalogueSetCount; ++s) {
        m_sets[s].games.clearAll();
        Q_EMIT levelChanged(s, static_cast<int>(Level::Game));
    }
    emptyLevel(CompletedTradeSet, Level::ProductType);
    emptyLevel(CompletedTradeSet, Level::Region);
    emptyLevel(CompletedTradeSet, Level::Server);
    Q_EMIT statusText(QStringLiteral("游戏名列表 载入中..."));

    startJob(m_gameListSlot, CatalogueCase::Games, QString(), [this](const CatalogueResult& r) {
        for (int s = 0; s < kCatalogueSetCount; ++s) {
            m_sets[s].games.setEntries(r.entries);
            Q_EMIT levelChanged(s, static_cast<int>(Level::Game));
        }
        Q_EMIT statusText(r.ok ? QStringLiteral("游戏名列表 载入完成！")
                               : failed(QStringLiteral("游戏名列表"), r));
        Q_EMIT loadFinished(-1, static_cast<int>(Level::Game), r.ok);
    });
}

void CatalogueController::chooseGame(int set, int row) {
    if (!m_sets[set].games.setCurrent(row) || row < 0)
        return;
    emptyLevel(set, Level::Server);
    emptyLevel(set, Level::ProductType);
    emptyLevel(set, Level::Region);
    Q_EMIT gameChosen(set);
    loadRegions(set);
}

void CatalogueController::loadRegions(int set) {
    Q_EMIT statusText(QStringLiteral("分区类型列表 载入中..."));
    const QString gameGuid = m_sets[set].games.currentGuid();
    startJob(m_slots[set][static_cast<int>(Level::Region)], CatalogueCase::Regions, gameGuid,
             [this, set, gameGuid](const CatalogueResult& r) {
                 m_sets[set].regions.setEntries(r.entries);
                 Q_EMIT levelChanged(set, static_cast<int>(Level::Region));
                 Q_EMIT statusText(r.ok ? QStringLiteral("分区类型列表 载入完成！")
                                        : failed(QStringLiteral("分区类型列表"), r));
                 Q_EMIT loadFinished(set, static_cast<int>(Level::Region), r.ok);
                 // Product types follow the regions, whatever became of them, and belong to
                 // the same game even when a filter has since left no game chosen.
                 loadProductTypes(set, gameGuid);
             });
}

void CatalogueController::loadProductTypes(int set, const QString& gameGuid) {
    startJob(m_slots[set][static_cast<int>(Level::ProductType)], CatalogueCase::ProductTypes,
             gameGuid, [this, set](const CatalogueResult& r) {
                 m_sets[set].types.setEntries(r.entries);
                 Q_EMIT levelChanged(set, static_cast<int>(Level::ProductType));
                 if (!r.ok)
                     Q_EMIT statusText(failed(QStringLiteral("商品类型列表"), r));
                 Q_EMIT loadFinished(set, static_cast<int>(Level::ProductType), r.ok);
             });
}

void CatalogueController::chooseRegion(int set, int row) {
    if (!m_sets[set].regions.setCurrent(row) || row < 0)
        return;
    loadServers(set);
}

void CatalogueController::loadServers(int set) {
    Q_EMIT statusText(QStringLiteral("服务器列表 载入中..."));
    emptyLevel(set, Level::Server);
    startJob(m_slots[set][static_cast<int>(Level::Server)], CatalogueCase::Servers,
             m_sets[set].regions.currentGuid(), [this, set](const CatalogueResult& r) {
                 m_sets[set].servers.setEntries(r.entries);
                 Q_EMIT levelChanged(set, static_cast<int>(Level::Server));
                 Q_EMIT statusText(r.ok ? QStringLiteral("服务器列表 载入完成！")
                                        : failed(QStringLiteral("服务器列表"), r));
                 Q_EMIT loadFinished(set, static_cast<int>(Level::Server), r.ok);
             });
}

void CatalogueController::chooseProductType(int set, int row) {
    m_sets[set].types.setCurrent(row);
}

void CatalogueController::chooseServer(int set, int row) {
    m_sets[set].servers.setCurrent(row);
}

void CatalogueController::chooseLetterItem(int set, const QString& item) {
    if (item == AllGamesItem()) {
        loadGameList();
        return;
    }
    if (item.size() != 1)
        return;
    CatalogueLevel& games = m_sets[set].games;
    games.showFullRows(LetterRows(games.fullNames(), item.at(0)));
    Q_EMIT levelChanged(set, static_cast<int>(Level::Game));
}

void CatalogueController::searchKeyword(int set, const QString& keyword) {
    CatalogueLevel& games = m_sets[set].games;
    games.showFullRows(KeywordRows(games.fullNames(), keyword));
    Q_EMIT levelChanged(set, static_cast<int>(Level::Game));
}

} // namespace ts
