#pragma once

#include "core/directories/carrierrepository.h"
#include "core/directories/listentry.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TWorkerEditForm;
}

namespace vh {

class DependentList;

// A carrier with its vehicles and managers. Adding a vehicle or a manager to
// a new carrier stores the carrier first (created while adding): OK then
// updates it without a second creation entry, and it stays stored if the
// editor is cancelled. Opened by the carriers window and by the order
// editor: prepare(Create, caption, "Создать"), exec(), then read carrierName().
class TWorkerEditForm final : public EntryEditor {
  Q_OBJECT

public:
  explicit TWorkerEditForm(AppContext& context, QWidget* parent = nullptr);
  ~TWorkerEditForm() override;

  // Edit mode: reads the carrier; false when it no longer exists, or on a
  // failure (already shown).
  bool load(const QString& name);

  QString carrierName() const;
  // The carrier's name as last stored; empty while nothing is stored.
  QString storedName() const { return m_storedName; }
  bool createdWhileAdding() const { return mode() == Mode::Create && m_id != 0; }

protected:
  bool save() override;

private:
  enum class Lower { Vehicle, Manager };
  bool storeBeforeAdding(Lower lower);
  CarrierRecord record() const;
  void addVehicle();
  void editVehicle(const ListEntry& vehicle);
  void deleteVehicle(const ListEntry& vehicle);
  void addManager();
  void editManager(const ListEntry& manager);
  void deleteManager(const ListEntry& manager);
  void reloadVehicles(qint64 selectId);
  void reloadManagers(qint64 selectId);

  std::unique_ptr<Ui::TWorkerEditForm> m_ui;
  DependentList* m_vehicles = nullptr;
  DependentList* m_managers = nullptr;
  qint64 m_id = 0; // 0 until the carrier is stored
  QString m_storedName;
};

} // namespace vh
