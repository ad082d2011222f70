#pragma once
// Byte streams for the receive-path benchmarks: what a synchroniser and a controller put on a busy
// line, cut into the events a serial port would announce.
#include <QByteArray>
#include <QList>

namespace traffic {
// A realistic mix: master-position tallies every period, the monitored machine's status, offset
// and details in turn, other machines' tallies, cyclic requests, short commands and their ACKs.
// Positions run on, so cells change as they do on a live line.
QList<QByteArray> tallyMix(int periods);
// The worst case: every frame 18 bytes long and every data cell changing each time.
QList<QByteArray> worstCase(int frames);
// Joins the frames and cuts the stream into events of at most `maxEvent` bytes, the way bytes
// arriving at line rate are announced (frames split across events, several in one).
QList<QByteArray> events(const QList<QByteArray>& frames, int maxEvent, unsigned seed);
}  // namespace traffic
