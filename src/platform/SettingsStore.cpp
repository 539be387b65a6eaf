#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace platform {
namespace {

bool same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// One empty item and no item at all are the same text in the file.
QStringList normalized(QStringList items) {
  if (items.size() == 1 && items.front().isEmpty()) items.clear();
  return items;
}

// Backslash, line breaks, and the characters in `special`.
QString escaped(const QString& s, QStringView special) {
  QString out;
  out.reserve(s.size());
  for (QChar c : s) {
    switch (c.unicode()) {
      case u'\\': out += QStringLiteral("\\\\"); break;
      case u'\n': out += QStringLiteral("\\n"); break;
      case u'\r': out += QStringLiteral("\\r"); break;
      default:
        if (special.contains(c)) out += u'\\';
        out += c;
    }
  }
  return out;
}

QString keyText(const QString& key) {
  QString out = escaped(key, u"=");
  // Such a line would read as a comment or a section.
  if (out.startsWith(u';') || out.startsWith(u'[')) out.prepend(u'\\');
  return out;
}

QString valueText(const QStringList& items) {
  QStringList out;
  out.reserve(items.size());
  for (const QString& item : items) out.append(escaped(item, u";"));
  return out.join(u';');
}

// Undoes the escapes; with `split`, a bare ";" ends an item. Escapes that
// were never written keep their backslash: "C:\Plaatjes" typed by hand
// stays what it says.
QStringList unescaped(QStringView s, bool split) {
  QStringList items;
  QString item;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == u'\\' && i + 1 < s.size() && QStringView(u"\\nr;=[]").contains(s[i + 1])) {
      const QChar n = s[++i];
      item += n == u'n' ? QChar(u'\n') : n == u'r' ? QChar(u'\r') : n;
    } else if (split && c == u';') {
      items.append(item);
      item.clear();
    } else {
      item += c;
    }
  }
  items.append(item);
  return items;
}

QString unescaped(QStringView s) { return unescaped(s, false).front(); }

}  // namespace

const MemorySettingsStore::Section* MemorySettingsStore::findSection(const Sections& sections, const QString& name) {
  for (const auto& s : sections)
    if (same(s.name, name)) return &s;
  return nullptr;
}

const MemorySettingsStore::Entry* MemorySettingsStore::findEntry(const Sections& sections, const QString& section,
                                                                 const QString& key) {
  if (const Section* s = findSection(sections, section))
    for (const auto& e : s->entries)
      if (same(e.key, key)) return &e;
  return nullptr;
}

void MemorySettingsStore::put(Sections& sections, const QString& section, const QString& key, QStringList items) {
  Section* s = const_cast<Section*>(findSection(sections, section));
  if (!s) {
    sections.push_back({section, {}});
    s = &sections.back();
  } else {
    s->name = section;
  }
  for (auto& e : s->entries) {
    if (same(e.key, key)) {
      e.key = key;
      e.items = std::move(items);
      return;
    }
  }
  s->entries.push_back({key, std::move(items)});
}

QString MemorySettingsStore::read(const QString& section, const QString& key, const QString& defaultValue) const {
  const Entry* e = findEntry(sections_, section, key);
  return e ? e->items.join(u';') : defaultValue;
}

void MemorySettingsStore::write(const QString& section, const QString& key, const QString& value) {
  // Writing back the text a list reads as keeps its items apart.
  const Entry* e = findEntry(sections_, section, key);
  put(sections_, section, key, e && e->items.join(u';') == value ? e->items : normalized({value}));
}

QStringList MemorySettingsStore::readList(const QString& section, const QString& key) const {
  const Entry* e = findEntry(sections_, section, key);
  return e ? e->items : QStringList();
}

void MemorySettingsStore::writeList(const QString& section, const QString& key, const QStringList& items) {
  put(sections_, section, key, normalized(items));
}

QList<QPair<QString, QString>> MemorySettingsStore::readSection(const QString& section) const {
  QList<QPair<QString, QString>> out;
  if (const Section* s = findSection(sections_, section))
    for (const auto& e : s->entries) out.append({e.key, e.items.join(u';')});
  return out;
}

void MemorySettingsStore::deleteSection(const QString& section) {
  std::erase_if(sections_, [&](const Section& s) { return same(s.name, section); });
}

IniSettingsStore::IniSettingsStore(QString path) : path_(std::move(path)) {
  QFile f(path_);
  if (f.open(QIODevice::ReadOnly)) sections_ = parse(f.readAll());
  base_ = sections_;
}

QString IniSettingsStore::defaultPath() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/Vellora/Vellora.ini");
}

QByteArray IniSettingsStore::serialize(const Sections& sections) {
  QString out;
  for (const auto& s : sections) {
    out += u'[' + escaped(s.name, {}) + QStringLiteral("]\n");
    for (const auto& e : s.entries) out += keyText(e.key) + u'=' + valueText(e.items) + u'\n';
    out += u'\n';
  }
  return out.toUtf8();
}

IniSettingsStore::Sections IniSettingsStore::parse(const QByteArray& text) {
  Sections sections;
  QString current;
  bool inSection = false;
  const QStringList lines = QString::fromUtf8(text).split(u'\n');
  for (QString line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.isEmpty() || line.startsWith(u';')) continue;
    if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
      current = unescaped(QStringView(line).mid(1, line.size() - 2));
      inSection = true;
      continue;
    }
    if (!inSection) continue;  // damaged: entries outside any section are dropped
    // The key ends at the first "=" that is not escaped.
    qsizetype eq = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
      if (line.at(i) == u'\\') {
        ++i;
        continue;
      }
      if (line.at(i) == u'=') {
        eq = i;
        break;
      }
    }
    if (eq < 0) continue;
    put(sections, current, unescaped(QStringView(line).left(eq)),
        normalized(unescaped(QStringView(line).mid(eq + 1), true)));
  }
  return sections;
}

IniSettingsStore::Sections IniSettingsStore::merge(const Sections& base, const Sections& own, const Sections& file) {
  // What an entry becomes: the program's, where it changed it; else the file's.
  auto outcome = [&](const QString& section, const QString& key) -> const Entry* {
    const Entry* b = findEntry(base, section, key);
    const Entry* o = findEntry(own, section, key);
    const bool changed = (b == nullptr) != (o == nullptr) || (b && b->items != o->items);
    return changed ? o : findEntry(file, section, key);
  };
  Sections out;
  for (const Section& s : own) {
    Section merged{s.name, {}};
    for (const Entry& e : s.entries)
      if (const Entry* r = outcome(s.name, e.key)) merged.entries.push_back(*r);
    out.push_back(std::move(merged));
  }
  // What only the file holds, each after the entry it follows there, so
  // that the program's order stands and the file's additions keep their
  // place beside it.
  size_t sectionAt = 0;
  for (const Section& f : file) {
    auto s = std::find_if(out.begin(), out.end(), [&](const Section& o) { return same(o.name, f.name); });
    if (s == out.end()) s = out.insert(out.begin() + qsizetype(sectionAt), Section{f.name, {}});
    sectionAt = size_t(s - out.begin()) + 1;
    size_t at = 0;
    for (const Entry& e : f.entries) {
      auto has = std::find_if(s->entries.begin(), s->entries.end(), [&](const Entry& o) { return same(o.key, e.key); });
      if (has != s->entries.end()) {
        at = size_t(has - s->entries.begin()) + 1;
      } else if (!findEntry(base, f.name, e.key) && !findEntry(own, f.name, e.key)) {
        s->entries.insert(s->entries.begin() + qsizetype(at), e);
        ++at;
      }
    }
  }
  std::erase_if(out, [](const Section& s) { return s.entries.empty(); });
  return out;
}

bool IniSettingsStore::flush() {
  // Unchanged, the file stays as it is, with whatever others wrote into it.
  if (serialize(sections_) == serialize(base_)) return true;
  QFile now(path_);
  Sections file;
  if (now.open(QIODevice::ReadOnly)) {
    file = parse(now.readAll());
  } else if (now.exists()) {
    file = base_;  // not readable now: nothing known to have changed
  }
  QDir().mkpath(QFileInfo(path_).absolutePath());
  QSaveFile f(path_);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray data = serialize(merge(base_, sections_, file));
  if (f.write(data) != data.size()) {
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) return false;
  base_ = sections_;
  return true;
}

}  // namespace platform
