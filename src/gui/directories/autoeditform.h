#pragma once

#include "core/directories/listentry.h"
#include "core/directories/vehiclelabel.h"
#include "core/directories/vehiclerepository.h"
#include "gui/directories/entryeditor.h"

#include <memory>

namespace Ui {
class TAutoEditForm;
}

namespace vh {

class DependentList;

// A carrier's vehicle with its drivers. Adding a driver to a new vehicle
// stores the vehicle first (created while adding): OK then updates it
// without a second creation entry. Opened by the carrier editor and by the
// order editor: construct it for the carrier, prepare(Create, caption,
// "Добавить"), exec(), then read label().
class TAutoEditForm final : public EntryEditor {
  Q_OBJECT

public:
  TAutoEditForm(AppContext& context, qint64 carrierId, const QString& carrierName, QWidget* parent = nullptr);
  ~TAutoEditForm() override;

  // Edit mode: reads the vehicle; false when it no longer exists, or on a
  // failure (already shown).
  bool load(qint64 vehicleId);

  // Make and number as typed.
  VehicleLabel label() const;
  // The vehicle's row once stored or loaded; 0 before.
  qint64 storedId() const { return m_id; }
  bool createdWhileAdding() const { return mode() == Mode::Create && m_id != 0; }

protected:
  bool save() override;

private:
  VehicleRecord record() const;
  // Required fields and a registration free for this vehicle; false after the message.
  bool checkFields(const VehicleRecord& vehicle);
  QString createAction(const VehicleRecord& vehicle) const;
  void addDriver();
  void editDriver(const ListEntry& driver);
  void deleteDriver(const ListEntry& driver);
  void reloadDrivers(qint64 selectId);

  std::unique_ptr<Ui::TAutoEditForm> m_ui;
  DependentList* m_drivers = nullptr;
  qint64 m_carrierId;
  QString m_carrierName;
  qint64 m_id = 0; // 0 until the vehicle is stored
};

} // namespace vh
