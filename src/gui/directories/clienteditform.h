#pragma once

#include "core/directories/listentry.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TClientEditForm;
}

namespace vh {

class DependentList;

// A client with its group, details and contact persons. A new client is
// stored when its first contact person is added (the person needs an owner);
// from then on OK updates it, and it stays stored if the editor is cancelled.
// Opened by the clients window and by the order editor: prepare(Create,
// "Создание Клиента", "Создать"), exec(), then read organization().
class TClientEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TClientEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TClientEditForm() override;

  // Edit mode: reads the client; false when it no longer exists, or on a
  // failure (already shown).
  bool load(const QString& organization);

  QString organization() const;
  // The client's name as last stored; empty while nothing is stored.
  QString storedName() const { return m_storedName; }

protected:
  bool save() override;

private:
  bool storeBeforeFirstPerson();
  void addPerson();
  void editPerson(const ListEntry& person);
  void deletePerson(const ListEntry& person);
  void reloadPersons(qint64 selectId);
  void reloadGroups();
  void GroupManagerBtnClick();

  std::unique_ptr<Ui::TClientEditForm> m_ui;
  DependentList* m_persons = nullptr;
  qint64 m_id = 0; // 0 until the client is stored
  QString m_storedName;
};

} // namespace vh
