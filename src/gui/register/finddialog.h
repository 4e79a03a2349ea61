#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class FindDialog;
}

namespace vh {

// What the user asks the find dialog for.
struct FindRequest final {
  QString text;
  bool matchCase = false;
  bool wholeCell = false;
  bool forward = true;
};

// The modeless find dialog of the register ("Найти...").
class FindDialog final : public QDialog {
  Q_OBJECT

public:
  explicit FindDialog(QWidget* parent = nullptr);
  ~FindDialog() override;

  FindRequest request() const;

Q_SIGNALS:
  void findNext(const vh::FindRequest& request);

private:
  std::unique_ptr<Ui::FindDialog> m_ui;
};

} // namespace vh
