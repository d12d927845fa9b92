// Writes to a store file for the tests that need a second process.
//
//   vantrel_store_writer FILE integers PREFIX COUNT
//       writes COUNT integers PREFIX0.. one save at a time; exit 1 on a refused write
//   vantrel_store_writer FILE entries NAME TOTAL...
//       loads the record once, as a game does at start-up, then enters each total as
//       a finished game under NAME followed by the total; exit 1 on a refused save
//   vantrel_store_writer FILE big BYTES
//       writes "Keep" once, then rewrites the binary value "Big" of BYTES bytes, all
//       equal to the round number, until killed; prints "ready" after the first round

#include "store/HighScoreTable.h"
#include "store/RecordStore.h"
#include "store/Registry.h"
#include "store/StoreWriteError.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr auto KeyPath = u"Software\\Vantrel";

int writeIntegers(vantrel::Registry& store, const QString& prefix, int count)
{
    for (int i = 0; i < count; ++i) {
        auto key = store.open(KeyPath);
        if (!key || !key->writeInteger(prefix + QString::number(i), i)) return 1;
    }
    return 0;
}

int rewriteBigValue(vantrel::Registry& store, qsizetype bytes)
{
    auto key = store.open(KeyPath);
    if (!key || !key->writeInteger(u"Keep", 1234567)) return 1;
    for (int round = 0;; ++round) {
        if (!key->writeBinary(u"Big", QByteArray(bytes, static_cast<char>(round & 0xFF)))) return 1;
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}

int enterGames(const vantrel::Registry& store, const QString& name, const QStringList& totals)
{
    vantrel::StoredRecord record;
    vantrel::LoadStoredRecord(store, record);
    try {
        for (const QString& total : totals) {
            const std::string entryName = (name + total).toStdString();
            vantrel::UpdateStoredRecord(store, record, [&](vantrel::StoredRecord& r) {
                vantrel::EnterGame(r, total.toInt(), entryName);
            });
        }
    } catch (const vantrel::StoreWriteError&) {
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) return 2;
    vantrel::Registry store(vantrel::RegistryRoot::Machine, {args[1], false});
    if (args[2] == u"integers" && args.size() == 5)
        return writeIntegers(store, args[3], args[4].toInt());
    if (args[2] == u"entries" && args.size() >= 5) return enterGames(store, args[3], args.mid(4));
    if (args[2] == u"big") return rewriteBigValue(store, args[3].toLongLong());
    return 2;
}
