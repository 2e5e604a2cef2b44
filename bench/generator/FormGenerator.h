#pragma once

class CGeneratorRandom;
class CProp;
struct ProposalShape;

// The agency's forms of a generated proposal and the pick lists their fields name: the DBE,
// MBE and WBE firm forms with the bidder's firms and their committed items, the bid bond form
// and the miscellaneous forms (each with one row for the bidder to fill). The items must be in
// place, as firms commit to them. List fields carry their list in the proposal (field flag
// bit 0) and name it, and the form's filter of the same name, in their text; the plant and the
// signer's title of the miscellaneous forms name list files instead (PickListFiles.h).
void AddAgencyForms(CProp& prop, const ProposalShape& shape, CGeneratorRandom& random);
