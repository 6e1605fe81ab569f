#pragma once
// CatalogueController: the two catalogue sets of the main window and what the user does with
// them: loading each level from the catalogue service, choosing an entry at each level, the
// letter filter and the keyword search. Lives on the GUI thread; has no widgets.
//
// Loads run as jobs on a worker pool and hand their entries back through queued calls. Every
// level of every set (and the game list, which fills both sets) has a generation number:
// starting a load, or emptying the level because its parent changed, moves it on and asks the
// older job to stop; a job whose generation is no longer current is dropped on arrival, so
// two loads of one level never mix their entries and the newer choice always wins.

#include "catalogue/cataloguelevel.h"
#include "web/sites.h"

#include <QObject>
#include <QThreadPool>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

namespace ts {

enum CatalogueSetId { CompletedTradeSet = 0, OpenOrderSet = 1 };
constexpr int kCatalogueSetCount = 2;

class CatalogueController : public QObject {
    Q_OBJECT
public:
    explicit CatalogueController(const Sites& sites, QObject* parent = nullptr);
    ~CatalogueController() override; // stops the jobs and waits for them

    const CatalogueSet& set(int set) const { return m_sets[set]; }
    CatalogueChoice choice(int set) const { return m_sets[set].choice(); }

    // Jobs started and not yet handed back (stale ones included).
    int jobsRunning() const { return m_running; }

    // Empties the game lists of both sets (full copies included) and the lower levels of the
    // completed-trade set, then loads the game list into both sets.
    void loadGameList();

    // Handlers of the user's choices. A row outside the shown list is ignored.
    // Game: empties the set's product types, regions and servers, then loads the regions and,
    // once they are in, the product types.
    void chooseGame(int set, int row);
    // Region: empties the set's servers and loads the servers of the region.
    void chooseRegion(int set, int row);
    void chooseProductType(int set, int row);
    void chooseServer(int set, int row);

    // An item of the set's letter combo box: "全部游戏ALL" reloads the game list; a letter
    // shows the games of the full copy whose first two bytes have that initial.
    void chooseLetterItem(int set, const QString& item);
    // Shows the games of the full copy whose name holds the keyword (case counts).
    void searchKeyword(int set, const QString& keyword);

    // Asks every running job to stop; their results are dropped.
    void cancelAll();

Q_SIGNALS:
    // A level's lists changed (emptied, filled or filtered); views reread them.
    void levelChanged(int set, int level);
    // State text: "游戏名列表 载入中..." and the like.
    void statusText(const QString& text);
    // A game was chosen in a set (the open-order set also empties its result list).
    void gameChosen(int set);
    // A load handed back its entries (set -1: the game list of both sets).
    void loadFinished(int set, int level, bool ok);

private:
    struct Slot {
        quint64 generation = 0;
        std::shared_ptr<std::atomic_bool> cancel;
    };
    using Deliver = std::function<void(const CatalogueResult&)>;

    void invalidate(Slot& slot);
    void startJob(Slot& slot, CatalogueCase level, const QString& parentGuid, Deliver deliver);
    void emptyLevel(int set, Level level);
    void loadRegions(int set);
    void loadProductTypes(int set, const QString& gameGuid);
    void loadServers(int set);

    Sites m_sites;
    std::array<CatalogueSet, kCatalogueSetCount> m_sets;
    std::array<std::array<Slot, kLevelCount>, kCatalogueSetCount> m_slots;
    Slot m_gameListSlot;
    int m_running = 0;
    QThreadPool m_pool;
};

} // namespace ts
