// What a later start hands to the running instance over the per-user local channel:
// one marker message, then one message per command-line argument, in order (UTF-8).
// Even a start without arguments sends the marker, so that the running window comes
// to the front.
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

namespace HandOver {

// Service name of the local channel (the user id is added by the channel).
inline constexpr const char *ServiceName = "Vellumix32";

QList<QByteArray> encode(const QStringList &arguments);
// The arguments of a hand-over; nullopt for anything that is not one.
std::optional<QStringList> decode(const QList<QByteArray> &messages);

} // namespace HandOver
