#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

// The per-user settings: section -> key -> text. Section and key names
// compare without letter case; a write stores the name as it is given.
// A read never fails: a missing entry yields the caller's default.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const = 0;
  virtual void write(const QString& section, const QString& key, const QString& value) = 0;
  // A value that is a list, such as a gallery's folders: every item comes
  // back as written, ";" and all. read() gives the items joined by ";", and
  // a text given to write() is a single item. An empty or missing value is
  // an empty list.
  virtual QStringList readList(const QString& section, const QString& key) const = 0;
  virtual void writeList(const QString& section, const QString& key, const QStringList& items) = 0;
  // Every entry of a section, in the order they were first written.
  virtual QList<QPair<QString, QString>> readSection(const QString& section) const = 0;
  virtual void deleteSection(const QString& section) = 0;
  // Makes the written values durable; false when that failed.
  virtual bool flush() { return true; }
  // Flushes, and tells whether this was the first failure of this store:
  // the user hears once a run that the settings cannot be saved, not at
  // every save of them.
  bool flushFailsFirstTime() {
    if (flush() || failureSeen_) return false;
    failureSeen_ = true;
    return true;
  }

 private:
  bool failureSeen_ = false;
};

// Held in memory only: what tests use, and the base of the file store.
class MemorySettingsStore : public SettingsStore {
 public:
  QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const override;
  void write(const QString& section, const QString& key, const QString& value) override;
  QStringList readList(const QString& section, const QString& key) const override;
  void writeList(const QString& section, const QString& key, const QStringList& items) override;
  QList<QPair<QString, QString>> readSection(const QString& section) const override;
  void deleteSection(const QString& section) override;
  bool isEmpty() const { return sections_.empty(); }

 protected:
  struct Entry {
    QString key;
    QStringList items;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
  };
  using Sections = std::vector<Section>;
  static const Section* findSection(const Sections& sections, const QString& name);
  static const Entry* findEntry(const Sections& sections, const QString& section, const QString& key);
  static void put(Sections& sections, const QString& section, const QString& key, QStringList items);
  Sections sections_;
};

// An INI file in the user's configuration folder, read once when opened.
//
// A save merges: the file is read again and only what this program changed
// since it read the file is applied to it, so an entry someone else changed
// or added meanwhile (Printer1 set by hand, say) stays as they left it. A
// key this program changed, added or removed gets its value, or stays
// removed, even when the file changed it too: the program's last word
// counts for what it touched. What it did not touch follows the file, even
// when the file no longer has it. Writing back the value read is no change,
// and deleting a section removes the keys the program knew in it, not those
// others added since.
// Reads answer with what the program read and wrote: the file's later
// changes are merged on disk, not brought into the running program, whose
// stale copy would otherwise count as a change at the next save.
//
// The file is written through a temporary file that is renamed over the old
// one, so a crash never leaves half a file behind. Nothing is written while
// nothing was changed. A damaged or unreadable file simply yields the
// defaults.
//
// The file's text: "[section]" lines, then "key=value" lines; lines that
// are empty or start with ";" are skipped. A backslash escapes the
// characters the layout would misread: "\\", "\n", "\r", "\=" in names,
// "\;" in values (where a bare ";" separates the items of a list), and
// "\;" or "\[" at the start of a name. A backslash before any other
// character stands for itself, so a path typed by hand reads as typed.
class IniSettingsStore : public MemorySettingsStore {
 public:
  explicit IniSettingsStore(QString path);
  // The store of the application "Vellora" for the current user.
  static QString defaultPath();
  const QString& path() const { return path_; }
  bool flush() override;

 private:
  static Sections parse(const QByteArray& text);
  static QByteArray serialize(const Sections& sections);
  static Sections merge(const Sections& base, const Sections& own, const Sections& file);
  QString path_;
  // What the file held when this store read it, with what the store wrote
  // to it since: the program's changes are how its entries differ.
  Sections base_;
};

}  // namespace platform
