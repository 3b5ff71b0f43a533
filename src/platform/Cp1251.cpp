#include "platform/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

// The converters keep no state between calls in stateless mode, so one pair
// serves the whole program.
namespace {
QStringDecoder& decoder() {
  static QStringDecoder d("windows-1251", QStringConverter::Flag::Stateless);
  return d;
}
QStringEncoder& encoder() {
  static QStringEncoder e("windows-1251", QStringConverter::Flag::Stateless);
  return e;
}
}  // namespace

QString Cp1251::toUnicode(std::string_view bytes) {
  return decoder().decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string Cp1251::fromUnicode(const QString& text) {
  QByteArray out = encoder().encode(text);
  return std::string(out.constData(), static_cast<size_t>(out.size()));
}
