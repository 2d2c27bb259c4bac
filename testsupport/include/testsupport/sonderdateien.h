#pragma once
// Files that are no regular files, and files beyond the reading limit, for the
// tests of their refusal.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <future>

namespace kronel::test {

// A FIFO at pfad; its folder is made.
void FifoAnlegen(const QString& pfad);
// A sparse file of groesse bytes (it takes no disk space) beginning with anfang.
void GrosseDateiAnlegen(const QString& pfad, qint64 groesse, const QByteArray& anfang = {});
// Lets a reading go that waits in the opening of the FIFO for a writer: a
// writer opens it and closes it again, so the reading sees its end.
void FifoFreigeben(const QString& fifo);

// Runs f and waits two seconds for it. A call still blocked then on the FIFO
// is let go, and blockiert tells the test so (instead of hanging it).
template <typename F>
auto OhneBlockieren(const QString& fifo, F f, bool& blockiert) {
    auto ergebnis = std::async(std::launch::async, std::move(f));
    blockiert = ergebnis.wait_for(std::chrono::seconds(2)) != std::future_status::ready;
    while (ergebnis.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        FifoFreigeben(fifo);
    }
    return ergebnis.get();
}

}  // namespace kronel::test
