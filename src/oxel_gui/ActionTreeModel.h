// The action tree as a Qt item model: one column of captions with the kind's image, and
// drag and drop that moves nodes by the tree's drop rules.
//
//   oxelgui::ActionTreeModel model(document);
//   tvActions->setModel(&model);
//   model.dropMimeData(model.mimeData({source}), Qt::MoveAction, -1, 0, target);
//
// The model mirrors every change of the document's tree as it happens (it observes the tree),
// so the tree may be changed by the document's commands alone. A drop moves the node itself;
// removeRows() is not supported, so the view's "remove the source after a move" finds
// nothing to remove.
#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <array>

#include "modcommon/TextEncoding.h"
#include "oxel/ActionTree.h"
#include "oxel/Document.h"

namespace oxelgui {

class ActionTreeModel final : public QAbstractItemModel, private oxel::ActionTreeObserver {
    Q_OBJECT

  public:
    // The MIME type of a dragged node: this model's identity and the node's place.
    static constexpr const char* kNodeMimeType = "application/x-oxel-action-node";

    // The document must outlive the model.
    explicit ActionTreeModel(oxel::Document& document, QObject* parent = nullptr);
    ~ActionTreeModel() override;
    Q_DISABLE_COPY_MOVE(ActionTreeModel)

    // How captions (which hold file names) are decoded: the open mod's encoding.
    void setEncoding(modcommon::TextEncoding encoding);

    // nullptr for the invalid index (the hidden root).
    oxel::ActionNode* node(const QModelIndex& index) const;
    QModelIndex indexOf(const oxel::ActionNode* node) const;
    // True while the tree is in the middle of a change (between a begin and its end), when the
    // document's selection may name a node that is already gone.
    bool changing() const { return m_changing; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // A drop lands on a node: `parent` itself when row is -1, else the node now at `row`
    // under `parent` (the one the dragged node would go before).
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;

  private:
    oxel::ActionNode* draggedNode(const QMimeData* data) const;
    oxel::ActionNode* dropTarget(int row, const QModelIndex& parent) const;

    void BeforeInsert(oxel::ActionNode* parent, int row) override;
    void AfterInsert(oxel::ActionNode* node) override;
    void BeforeRemove(oxel::ActionNode* node) override;
    void AfterRemove() override;
    void BeforeMove(oxel::ActionNode* node, oxel::ActionNode* newParent, int destRow) override;
    void AfterMove(oxel::ActionNode* node) override;
    void NodeChanged(oxel::ActionNode* node) override;
    void BeforeReset() override;
    void AfterReset() override;

    oxel::Document& m_document;
    modcommon::TextEncoding m_encoding = modcommon::TextEncoding::Utf8;
    std::array<QIcon, oxel::kKindCount> m_icons;
    bool m_changing = false;
    // beginMoveRows refused the move (it never should): the move is shown as a reset.
    bool m_moveAsReset = false;
};

}  // namespace oxelgui
