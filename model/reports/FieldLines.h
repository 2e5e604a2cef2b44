#pragma once

#include <string>

// The lines one field prints over the passes of template lines: the pieces of a text (one
// line, wrapped to a width, or split at its line ends), or a list of records, one per pass.
class CFieldLines {
public:
    explicit CFieldLines(int fieldId) : m_iFieldId(fieldId) {}

    int FieldId() const { return m_iFieldId; }
    void StartMissing();
    void StartText(std::string text, int lineMode, int wrapWidth);
    void StartRecords(int count);

    bool IsMissing() const { return m_bMissing; }
    bool IsRecordList() const { return m_iRecords >= 0; }
    bool HasLine() const;
    std::string TakeText();
    int TakeRecord() { return m_iNext++; }
    void Skip(int lines);

private:
    int m_iFieldId;
    bool m_bMissing = true;
    bool m_bFresh = false; // no piece taken yet: even an empty text prints once
    std::string m_strText;
    std::size_t m_pos = 0;
    int m_iLineMode = 0;
    int m_iWrapWidth = 0;
    int m_iRecords = -1;
    int m_iNext = 0;
};
