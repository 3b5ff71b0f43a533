#include "platform/SystemPortList.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "platform/Cp1251.h"
#include "serial/PortPath.h"

PortListing SystemPortList::scan() {
  PortListing listing;
  const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : infos) {
    PortEntry entry;
    entry.name = shortPortName(Cp1251::fromUnicode(info.portName()));
    QStringList parts;
    if (!info.description().isEmpty()) parts << info.description();
    if (!info.manufacturer().isEmpty()) parts << info.manufacturer();
    entry.description = Cp1251::fromUnicode(parts.join(QStringLiteral(", ")));
    listing.ports.push_back(std::move(entry));
  }
  std::sort(listing.ports.begin(), listing.ports.end(),
            [](const PortEntry& a, const PortEntry& b) { return naturalLess(a.name, b.name); });
  listing.available = !listing.ports.empty();
  return listing;
}
