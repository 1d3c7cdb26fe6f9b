// The explorer's drag data: its byte layout, its trip through QMimeData, and data it refuses.
#include "explorer/DragData.h"

#include "explorer/ExplorerMime.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

ExplorerNode Node(NodeKind kind, std::string path, bool onRecorder = false) {
    ExplorerNode node;
    node.kind = kind;
    node.path = std::move(path);
    node.onRecorder = onRecorder;
    return node;
}

std::uint32_t Word(const std::vector<std::uint8_t>& data, std::size_t index) {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i)
        word |= std::uint32_t{data[index * 4 + i]} << (8 * i);
    return word;
}

TEST(DragData, RecordsFollowTheLayout) {
    ExplorerNode log = Node(NodeKind::FlightLog, "/f/4310ya1.kor");
    log.index = 3;
    log.sourceItem = 77;
    log.sourceTree = 2;
    log.logIdentity = {4, 3, 1, 9, 8, 7};
    const std::vector<ExplorerNode> nodes{log, Node(NodeKind::Navpoints, "")};
    const auto data = EncodeDragData(nodes);
    // 14 path characters: 14 + 15 / 4 = 17 words; an empty path: 14 + 1 / 4 = 14 words.
    ASSERT_EQ(data.size(), 4u + 17 * 4 + 14 * 4);
    EXPECT_EQ(Word(data, 0), 2u);
    EXPECT_EQ(Word(data, 1), 17u);
    EXPECT_EQ(Word(data, 2), 0u);  // on recorder
    EXPECT_EQ(Word(data, 3), 1u);  // kind
    EXPECT_EQ(Word(data, 4), 3u);  // index
    EXPECT_EQ(Word(data, 5), 77u); // source item
    EXPECT_EQ(Word(data, 6), 2u);  // source tree
    EXPECT_EQ(Word(data, 7), 4u);
    EXPECT_EQ(Word(data, 12), 7u);
    EXPECT_EQ(Word(data, 13), 14u); // path length
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&data[14 * 4]), 14), "/f/4310ya1.kor");
    EXPECT_EQ(data[14 * 4 + 14], 0);
    EXPECT_EQ(Word(data, 1 + 17), 14u);
    EXPECT_EQ(Word(data, 1 + 17 + 2), 3u);
}

TEST(DragData, RoundTripsThroughMimeData) {
    std::vector<ExplorerNode> nodes;
    for (std::size_t length : {0u, 2u, 3u, 4u, 5u, 120u})
        nodes.push_back(Node(NodeKind::Airspace, "/" + std::string(length, 'a')));
    nodes[1].logIdentity = {1, 2, 3, 4, 5, 6};
    nodes[2].index = -1;
    const auto mime = DragMimeData(nodes);
    ASSERT_TRUE(mime->hasFormat(QLatin1String(kDragDataType)));
    EXPECT_EQ(mime->urls().size(), 6);
    EXPECT_EQ(mime->urls()[3], QUrl::fromLocalFile(QStringLiteral("/aaaa")));
    const auto back = DroppedNodes(*mime);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ((*back)[i].path, nodes[i].path);
        EXPECT_EQ((*back)[i].kind, nodes[i].kind);
        EXPECT_EQ((*back)[i].index, nodes[i].index);
        EXPECT_EQ((*back)[i].logIdentity, nodes[i].logIdentity);
    }
}

TEST(DragData, RecorderItemsCarryNoFileList) {
    const std::vector<ExplorerNode> nodes{Node(NodeKind::FlightLog, "", true)};
    const auto mime = DragMimeData(nodes);
    EXPECT_FALSE(mime->hasUrls());
    ASSERT_TRUE(DroppedNodes(*mime));
    EXPECT_TRUE(DroppedNodes(*mime)->front().onRecorder);
}

TEST(DragData, MalformedDataIsRefused) {
    const std::vector<ExplorerNode> nodes{Node(NodeKind::FlightLog, "/f/a.igc")};
    const auto good = EncodeDragData(nodes);
    ASSERT_TRUE(DecodeDragData(good));
    const auto changed = [&](std::size_t offset, std::uint8_t value) {
        auto data = good;
        data[offset] = value;
        return data;
    };
    const std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    auto longer = good;
    longer.push_back(0);
    const std::vector<std::vector<std::uint8_t>> bad{
        {},
        {1, 0, 0},
        truncated,
        longer,
        changed(0, 2),        // two nodes announced, one present
        changed(0, 0xff),     // a count the data cannot hold
        changed(4, 15),       // record length that does not fit the path
        changed(12, 9),       // unknown kind
        changed(8, 2),        // on-recorder flag other than 0 or 1
        changed(52, 200),     // path length beyond the record
        changed(56 + 8, 'x'), // the path's zero missing
    };
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(DecodeDragData(bad[i])) << "case " << i;
    QMimeData foreign;
    foreign.setData(QLatin1String(kDragDataType), "not explorer data");
    EXPECT_FALSE(DroppedNodes(foreign));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/f/a.igc"))});
    EXPECT_FALSE(DroppedNodes(files));
}

} // namespace
} // namespace vantrel
