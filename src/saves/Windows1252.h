// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Slot files are Windows-1252. A character it cannot hold is written as '?'.
QByteArray A1252(const QString& texto);

// Every byte has a meaning: the five unassigned ones (81, 8D, 8F, 90, 9D)
// come back as the control characters of the same code, so they survive a round trip.
QString De1252(QByteArrayView bytes);
