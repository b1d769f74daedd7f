#pragma once
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

namespace Kepler {

// What Designer needs to know of one control.
struct TControlDescription {
    QString Name;       // class name, also used in .ui files
    QString Include;    // header the generated code includes
    QString ToolTip;
    QString WhatsThis;
    QString DomXml;     // the control as first dropped on a form
    std::function<QIcon()> Icon;
    std::function<QWidget*(QWidget* parent)> Create;
};

class TControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TControlPlugin(TControlDescription description, QObject* parent);

    QString name() const override { return FDescription.Name; }
    QString group() const override;
    QString toolTip() const override { return FDescription.ToolTip; }
    QString whatsThis() const override { return FDescription.WhatsThis; }
    QString includeFile() const override { return FDescription.Include; }
    QIcon icon() const override { return FDescription.Icon(); }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return FDescription.Create(parent); }
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface*) override { FInitialized = true; }
    QString domXml() const override { return FDescription.DomXml; }

private:
    TControlDescription FDescription;
    bool FInitialized = false;
};

// The plugin Designer loads: the gauge, the spin box and the button pair.
class TKeplerControlsPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TKeplerControlsPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> FWidgets;
};

} // namespace Kepler
