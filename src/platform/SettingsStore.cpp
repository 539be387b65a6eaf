#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {
namespace {

bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString escape(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (QChar c : s) {
    if (c == u'\\') out += QStringLiteral("\\\\");
    else if (c == u'\n') out += QStringLiteral("\\n");
    else if (c == u'\r') out += QStringLiteral("\\r");
    else out += c;
  }
  return out;
}

QString unescape(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    QChar c = s.at(i);
    if (c == u'\\' && i + 1 < s.size()) {
      QChar n = s.at(++i);
      out += n == u'n' ? QChar(u'\n') : n == u'r' ? QChar(u'\r') : n;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

const MemorySettingsStore::Section* MemorySettingsStore::findSection(const QString& name) const {
  for (const auto& s : sections_)
    if (same(s.name, name)) return &s;
  return nullptr;
}

QString MemorySettingsStore::read(const QString& section, const QString& key, const QString& defaultValue) const {
  if (const Section* s = findSection(section))
    for (const auto& e : s->entries)
      if (same(e.key, key)) return e.value;
  return defaultValue;
}

void MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
  Section* s = const_cast<Section*>(findSection(section));
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  } else {
    s->name = section;
  }
  for (auto& e : s->entries) {
    if (same(e.key, key)) {
      e.key = key;
      e.value = value;
      return;
    }
  }
  s->entries.push_back({key, value});
}

QList<QPair<QString, QString>> MemorySettingsStore::readSection(const QString& section) const {
  QList<QPair<QString, QString>> out;
  if (const Section* s = findSection(section))
    for (const auto& e : s->entries) out.append({e.key, e.value});
  return out;
}

void MemorySettingsStore::deleteSection(const QString& section) {
  std::erase_if(sections_, [&](const Section& s) { return same(s.name, section); });
}

IniSettingsStore::IniSettingsStore(QString path) : path_(std::move(path)) {
  QFile f(path_);
  if (f.open(QIODevice::ReadOnly)) parse(f.readAll());
}

QString IniSettingsStore::defaultPath() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/Vellora/Vellora.ini");
}

QByteArray IniSettingsStore::serialize() const {
  QString out;
  for (const auto& s : sections_) {
    out += u'[' + escape(s.name) + QStringLiteral("]\n");
    for (const auto& e : s.entries) out += escape(e.key).replace(u'=', QStringLiteral("\\=")) + u'=' + escape(e.value) + u'\n';
    out += u'\n';
  }
  return out.toUtf8();
}

void IniSettingsStore::parse(const QByteArray& text) {
  sections_.clear();
  QString current;
  bool inSection = false;
  const QStringList lines = QString::fromUtf8(text).split(u'\n');
  for (QString line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith(u';')) continue;
    if (line.startsWith(u'[') && line.endsWith(u']')) {
      current = unescape(line.mid(1, line.size() - 2));
      inSection = true;
      continue;
    }
    if (!inSection) continue;  // damaged: entries outside any section are dropped
    // The key ends at the first "=" that is not escaped.
    qsizetype eq = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
      if (line.at(i) == u'\\') { ++i; continue; }
      if (line.at(i) == u'=') { eq = i; break; }
    }
    if (eq < 0) continue;
    write(current, unescape(line.left(eq)), unescape(line.mid(eq + 1)));
  }
}

bool IniSettingsStore::flush() {
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile f(path_);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray data = serialize();
  if (f.write(data) != data.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace platform
