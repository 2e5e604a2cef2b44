#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The proposal file: a gzip stream of records (u16 tag, u16 length, data; little-endian) after
// the magic. A tag's high byte names its group; the group's base tag opens a new element, the
// records that follow fill the element opened last. The field tags of each record kind are
// listed once, in TvbFields.h; the tags here give the file its structure.

inline constexpr std::string_view kTvbMagic = "TVB!";
inline constexpr std::string_view kTvbOldTextMagic = "This"; // the older text-format proposals

inline constexpr uint16_t kTvbVersion = 800;
inline constexpr int kTvbNewestGeneration = 8; // version / 100

inline constexpr std::size_t kTvbRecordHeaderSize = 4;
inline constexpr std::size_t kTvbMaxRecordLength = 65535;
inline constexpr std::size_t kTvbCellPieceLength = 32000;
inline constexpr std::size_t kTvbMaxListCount = 65535;
inline constexpr std::size_t kTvbColumnTableLength = 24;
// More than any real proposal: a stream (or what it builds in memory) past this is refused, so a
// small file that inflates without end cannot exhaust memory.
inline constexpr std::size_t kTvbMaxProposalBytes = std::size_t(1) << 30;

inline constexpr uint16_t TvbGroupOf(uint16_t tag) { return uint16_t(tag & 0xFF00); }

enum TvbTag : uint16_t {
    TVB_VERSION = 0x0100,
    TVB_HEADER = 0x0200,
    TVB_COUNTY_COUNT = 0x021F,
    TVB_SITE_COUNT = 0x0220,
    TVB_ITEM_COUNT = 0x0221,
    TVB_NOTE_COUNT = 0x0222,
    TVB_PICK_LIST_COUNT = 0x0223,
    TVB_OTHER_REPORT_COUNT = 0x0224,
    TVB_PLATE_COUNT = 0x0225,
    TVB_ITEM = 0x0300,
    TVB_COUNTY = 0x0400,
    TVB_SITE = 0x0500,
    TVB_NOTE = 0x0600,
    TVB_BIDDER = 0x0700,
    TVB_DISPLAY_FORMATS = 0x0800,
    TVB_NUMBER_FORMATS = 0x0900,
    TVB_OTHER_REPORT = 0x0A00,
    TVB_PLATE = 0x0B00,
    TVB_PLATE_NAME = 0x0B01,
    TVB_PLATE_TEXT = 0x0B02,
    TVB_FORM = 0x0C00,
    TVB_FORM_DBE = 0x0C01,
    TVB_FORM_MISC = 0x0C02,
    TVB_FORM_FIELD_COUNT = 0x0C03,
    TVB_FORM_STRING_COUNT = 0x0C04,
    TVB_FORM_ROW_COUNT = 0x0C05,
    TVB_FORM_COLUMN_TABLE = 0x0C0A,
    TVB_FORM_DB_FIELD_COUNT = 0x0C0D,
    TVB_FORM_MBE = 0x0C10,
    TVB_FORM_WBE = 0x0C11,
    TVB_FORM_FILTER_COUNT = 0x0C12,
    TVB_FORM_BOND = 0x0C15,
    TVB_FORM_STRING = 0x0D00,
    TVB_DB_FIELD = 0x0E00,
    TVB_FIELD = 0x0F00,
    TVB_FIELD_DATA_LENGTH = 0x0F0D,
    TVB_FIELD_DATA = 0x0F0E,
    TVB_ROW = 0x1000,
    TVB_CELL = 0x1001,
    TVB_ROW_FLAGS = 0x1005,
    TVB_CELL_DATA = 0x1006,
    TVB_CELL_DATA_LENGTH = 0x1007,
    TVB_CELL_TEXT2 = 0x1008,
    TVB_PICK_LIST = 0x1100,
    TVB_PICK_LIST_NAME = 0x1101,
    TVB_PICK_LIST_COUNT_OF_ENTRIES = 0x1102,
    TVB_PICK_LIST_ENTRY = 0x1103,
    TVB_FIRM_ITEM = 0x1200,
    TVB_FIRM_ITEM_COUNT = 0x1201,
    TVB_FILTER = 0x1300,
    TVB_FILTER_NAME = 0x1301,
    TVB_BID_CAP = 0x1400,
    TVB_BID_CAP_NAME = 0x1401,
    TVB_BID_CAP_MINIMUM = 0x1402,
    TVB_BID_CAP_MAXIMUM = 0x1403,
    TVB_BID_CAP_MESSAGE = 0x1404,
    TVB_BID_CAP_RULE = 0x1405,
    TVB_BID_CAP_RULE_COUNT = 0x1406,
    TVB_END = 0xFF00,
};
