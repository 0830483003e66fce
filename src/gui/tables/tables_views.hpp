// The windows of the official tables: "Importar série oficial" and "Tabelas instaladas".
#pragma once

#include <QWidget>
#include <functional>

#include "core/app/app.hpp"
#include "core/tables/import_window.hpp"
#include "core/tables/installed_tables.hpp"

class QLabel;
class QListWidget;
class QProgressBar;
class QTableView;

namespace corvana::gui {

class GridModel;
class ViewRegistry;

class ImportarSerieView : public QWidget {
    Q_OBJECT
  public:
    ImportarSerieView(app::App& app, tables::TFormImportarSerie& model, QWidget* parent);
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    app::App& app_;
    tables::TFormImportarSerie& m_;
    QListWidget* series_;
    QProgressBar* progress_;
    QLabel* step_;
    QLabel* result_;
    QListWidget* changes_;
    void run(const std::function<void()>& handler);
};

class TabelasView : public QWidget {
    Q_OBJECT
  public:
    TabelasView(app::App& app, tables::TFormTabelas& model, QWidget* parent);
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    app::App& app_;
    tables::TFormTabelas& m_;
    QLabel* label1_;
    QTableView* grid_;
    GridModel* gridModel_;
};

// Registers both views (one line in gui/app/views.cpp).
void registerTablesViews(ViewRegistry& views);

}  // namespace corvana::gui
