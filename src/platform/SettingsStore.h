#pragma once
#include <QList>
#include <QPair>
#include <QString>
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
  // Every entry of a section, in the order they were first written.
  virtual QList<QPair<QString, QString>> readSection(const QString& section) const = 0;
  virtual void deleteSection(const QString& section) = 0;
  // Makes the written values durable; false when that failed.
  virtual bool flush() { return true; }
};

// Held in memory only: what tests use, and the base of the file store.
class MemorySettingsStore : public SettingsStore {
 public:
  QString read(const QString& section, const QString& key, const QString& defaultValue = {}) const override;
  void write(const QString& section, const QString& key, const QString& value) override;
  QList<QPair<QString, QString>> readSection(const QString& section) const override;
  void deleteSection(const QString& section) override;
  bool isEmpty() const { return sections_.empty(); }

 protected:
  struct Entry {
    QString key;
    QString value;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
  };
  const Section* findSection(const QString& name) const;
  std::vector<Section> sections_;
};

// An INI file in the user's configuration folder. It is read once when
// opened and rewritten whole on flush, through a temporary file that is
// renamed over the old one, so a crash never leaves half a file behind.
// A damaged or unreadable file simply yields the defaults.
class IniSettingsStore : public MemorySettingsStore {
 public:
  explicit IniSettingsStore(QString path);
  // The store of the application "Vellora" for the current user.
  static QString defaultPath();
  const QString& path() const { return path_; }
  bool flush() override;

  // The text of a store, and back; exposed for the tests.
  QByteArray serialize() const;
  void parse(const QByteArray& text);

 private:
  QString path_;
};

}  // namespace platform
