// The item model over the document's action tree, with drag and drop by the drop rules.
#include "ActionTreeModel.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include "FieldText.h"

namespace oxelgui {

ActionTreeModel::ActionTreeModel(oxel::Document& document, QObject* parent)
    : QAbstractItemModel(parent), m_document(document) {
    for (int kind = 0; kind < oxel::kKindCount; ++kind) {
        m_icons[static_cast<size_t>(kind)] =
            QIcon(QStringLiteral(":/IMAGELIST_%1").arg(oxel::KindTable(kind).imageIndex));
    }
    m_document.Tree().AddObserver(this);
}

ActionTreeModel::~ActionTreeModel() {
    m_document.Tree().RemoveObserver(this);
}

void ActionTreeModel::setEncoding(modcommon::TextEncoding encoding) {
    if (m_encoding == encoding) {
        return;
    }
    m_encoding = encoding;
    if (rowCount() > 0) {
        // Every caption may read differently now; a layout change would be as costly.
        beginResetModel();
        endResetModel();
    }
}

oxel::ActionNode* ActionTreeModel::node(const QModelIndex& index) const {
    if (!index.isValid()) {
        return nullptr;
    }
    return static_cast<oxel::ActionNode*>(index.internalPointer());
}

QModelIndex ActionTreeModel::indexOf(const oxel::ActionNode* target) const {
    if (target == nullptr || target->IsRoot()) {
        return {};
    }
    return createIndex(target->Row(), 0, const_cast<oxel::ActionNode*>(target));
}

QModelIndex ActionTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || (parent.isValid() && parent.column() != 0)) {
        return {};
    }
    const oxel::ActionNode* owner = parent.isValid() ? node(parent) : m_document.Tree().Root();
    oxel::ActionNode* child = owner->Child(row);
    return child == nullptr ? QModelIndex() : createIndex(row, 0, child);
}

QModelIndex ActionTreeModel::parent(const QModelIndex& child) const {
    const oxel::ActionNode* item = node(child);
    if (item == nullptr) {
        return {};
    }
    return indexOf(item->Parent());
}

int ActionTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) {
        return 0;
    }
    const oxel::ActionNode* owner = parent.isValid() ? node(parent) : m_document.Tree().Root();
    return owner->ChildCount();
}

int ActionTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant ActionTreeModel::data(const QModelIndex& index, int role) const {
    const oxel::ActionNode* item = node(index);
    if (item == nullptr) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return FieldText(item->Caption(), m_encoding);
        case Qt::DecorationRole: {
            const int image = item->ImageIndex();
            if (image >= 0 && image < oxel::kKindCount) {
                return m_icons[static_cast<size_t>(image)];
            }
            return {};
        }
        default:
            return {};
    }
}

Qt::ItemFlags ActionTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        // Nothing can be dropped on the empty part of the tree.
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ActionTreeModel::mimeTypes() const {
    return {QString::fromLatin1(kNodeMimeType)};
}

QMimeData* ActionTreeModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty() || node(indexes.front()) == nullptr) {
        return nullptr;
    }
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << quint64(reinterpret_cast<quintptr>(this))
           << qint32(m_document.Tree().AbsoluteIndex(node(indexes.front())));
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kNodeMimeType), bytes);
    return data;
}

oxel::ActionNode* ActionTreeModel::draggedNode(const QMimeData* data) const {
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kNodeMimeType))) {
        return nullptr;
    }
    QDataStream stream(data->data(QString::fromLatin1(kNodeMimeType)));
    quint64 model = 0;
    qint32 absoluteIndex = -1;
    stream >> model >> absoluteIndex;
    // Nodes of another window's tree cannot be moved into this one.
    if (stream.status() != QDataStream::Ok || model != reinterpret_cast<quintptr>(this)) {
        return nullptr;
    }
    const std::vector<oxel::ActionNode*> nodes = m_document.Tree().PreOrder();
    if (absoluteIndex < 0 || static_cast<size_t>(absoluteIndex) >= nodes.size()) {
        return nullptr;
    }
    return nodes[static_cast<size_t>(absoluteIndex)];
}

oxel::ActionNode* ActionTreeModel::dropTarget(int row, const QModelIndex& parent) const {
    if (row < 0) {
        return node(parent);
    }
    const oxel::ActionNode* owner = parent.isValid() ? node(parent) : m_document.Tree().Root();
    return owner->Child(row);
}

bool ActionTreeModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                      int /*column*/, const QModelIndex& parent) const {
    if (action != Qt::MoveAction) {
        return false;
    }
    return oxel::CanDrop(draggedNode(data), dropTarget(row, parent));
}

bool ActionTreeModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) {
        return false;
    }
    return m_document.DropNode(draggedNode(data), dropTarget(row, parent));
}

Qt::DropActions ActionTreeModel::supportedDropActions() const {
    return Qt::MoveAction;
}

Qt::DropActions ActionTreeModel::supportedDragActions() const {
    return Qt::MoveAction;
}

void ActionTreeModel::BeforeInsert(oxel::ActionNode* parent, int row) {
    m_changing = true;
    beginInsertRows(indexOf(parent), row, row);
}

void ActionTreeModel::AfterInsert(oxel::ActionNode* /*node*/) {
    m_changing = false;
    endInsertRows();
}

void ActionTreeModel::BeforeRemove(oxel::ActionNode* item) {
    m_changing = true;
    const int row = item->Row();
    beginRemoveRows(indexOf(item->Parent()), row, row);
}

void ActionTreeModel::AfterRemove() {
    m_changing = false;
    endRemoveRows();
}

void ActionTreeModel::BeforeMove(oxel::ActionNode* item, oxel::ActionNode* newParent, int destRow) {
    m_changing = true;
    const int row = item->Row();
    m_moveAsReset = !beginMoveRows(indexOf(item->Parent()), row, row, indexOf(newParent), destRow);
    if (m_moveAsReset) {
        beginResetModel();
    }
}

void ActionTreeModel::AfterMove(oxel::ActionNode* /*node*/) {
    m_changing = false;
    if (m_moveAsReset) {
        endResetModel();
        m_moveAsReset = false;
    } else {
        endMoveRows();
    }
}

void ActionTreeModel::NodeChanged(oxel::ActionNode* item) {
    const QModelIndex changed = indexOf(item);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::DecorationRole});
}

void ActionTreeModel::BeforeReset() {
    m_changing = true;
    beginResetModel();
}

void ActionTreeModel::AfterReset() {
    m_changing = false;
    endResetModel();
}

}  // namespace oxelgui
