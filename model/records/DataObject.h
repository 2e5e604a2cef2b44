#pragma once

#include <cstdint>

// Flag bit of a record's leading flag word that only the collections use, while pairing records.
inline constexpr int kPairingFlagBit = 15;

// Base of every proposal record. Each record begins with a public 16-bit flag word `m_wFlags`
// (changed only through TestFlagBit/ChangeFlagBit); the collections rely on it.
//
// The operations in interface order: destroy, CopyFrom, ReduceToChanges, ExchangeWithLog, then
// StripUnchangedMarkers, which a collection calls on a record it moves whole out of an amendment.
template <class T>
class CDataObject {
public:
    virtual ~CDataObject() = default;

    // Makes this record a deep copy of `source`.
    virtual void CopyFrom(const T& source) = 0;

    // This record is the newer version: counts its differences from `older` and turns each text
    // that equals the older one into the unchanged marker. A null `older` counts 1, changes nothing.
    virtual unsigned ReduceToChanges(const T* older) = 0;

    // Takes over the amendment's values field by field (texts only where the amendment holds a real
    // value), logs labelled differences and returns the number of fields that changed.
    virtual unsigned ExchangeWithLog(T& amendment) = 0;

    // Empties every text or block that still holds the unchanged marker.
    virtual void StripUnchangedMarkers() = 0;

protected:
    CDataObject() = default;
    CDataObject(const CDataObject&) = default;
    CDataObject& operator=(const CDataObject&) = default;
};
