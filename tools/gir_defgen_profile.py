"""Hand-written choices that the GIR schema cannot state by itself.

gir_defgen.py expands the element tree from the schema and applies this table.
Paths name elements from the root by element name, "/" between the steps.
"""

ROOT = "GLOBE_OECD"

# The section letters of itemId: the section element is nn00000, its subtree is
# numbered in pre-order below it. GO and GB number their element only.
SECTIONS = [
    ("GLOBE_OECD", "GO", False),
    ("GLOBE_OECD/MessageSpec", "MS", True),
    ("GLOBE_OECD/GLOBEBody", "GB", False),
    ("GLOBE_OECD/GLOBEBody/FilingInfo", "FI", True),
    ("GLOBE_OECD/GLOBEBody/GeneralSection", "GS", True),
    ("GLOBE_OECD/GLOBEBody/Summary", "SM", True),
    ("GLOBE_OECD/GLOBEBody/JurisdictionSection", "JS", True),
    ("GLOBE_OECD/GLOBEBody/UTPRAttribution", "UA", True),
]

# No CSV row names these: they come from the root, the MessageSpec file, the
# 02_GLOBEBody folder and the five body files.
STRUCTURAL = [path for path, _, _ in SECTIONS]

# Optional header items that the Japanese filing does not carry.
OMITTED = [
    "GLOBE_OECD/MessageSpec/SendingEntityIN",
    "GLOBE_OECD/MessageSpec/Warning",
    "GLOBE_OECD/MessageSpec/Contact",
]

# One GLOBEBody per message: the folder layout has a single 02_GLOBEBody.
OCCURS = {
    "GLOBE_OECD/GLOBEBody": ("1", "1"),
}

# Elements the system writes itself; None: no value (the writer puts the time in).
AUTO_ITEMS = {
    "GLOBE_OECD/MessageSpec/TransmittingCountry": "JP",
    "GLOBE_OECD/MessageSpec/MessageType": "GIR",
    "GLOBE_OECD/MessageSpec/Timestamp": None,
    "GLOBE_OECD/GLOBEBody/FilingInfo/FilingCE/ResCountryCode": "JP",
}

# First XML attribute of the root, a fixed value.
ROOT_ATTRIBUTES = [("version", "1.0")]

# TIN attributes, fed from CSV columns 3 to 5 in this order.
TIN_ATTRIBUTES = [("issuedBy", "3"), ("unknown", "4"), ("TypeOfTIN", "5")]

# Schema type (prefix:name) -> dataType. Complex content is tag_Type, simple
# content with attributes tin_Type; enumerations not listed are enum_Type and the
# remaining strings string_Type.
DATA_TYPES = {
    "xsd:integer": "integer_Type",
    "xsd:boolean": "boolean_Type",
    "xsd:date": "date_Type",
    "xsd:dateTime": "timeStamp_Type",
    "iso:CountryCode_Type": "countryCode_Type",
    "iso:currCode_Type": "currCode_Type",
    "globe:percentage": "percentage_Type",
    "stf:OECDDocTypeIndic_EnumType": "oecdDoc_Type",
}

# Identifiers of the message and its documents, by element name.
DATA_TYPES_BY_NAME = {
    "MessageRefId": "messageRefId_Type",
    "DocRefId": "docRefId_Type",
    "CorrDocRefId": "docRefId_Type",
}

# The digits of an xsd:integer that every schema validator must read (XML
# Schema 1.0, part 2: a minimal processor supports 18); a receiver's validator
# may refuse a longer one although the type itself has no bound.
INTEGER_DIGITS = "18"

# The value rules each dataType implies for CSV column 2, after "exist".
# "length" comes from the schema's length facets and "contain" from its
# enumerations; both are filled in by the generator. "digits" takes a maximum.
VALUE_RULES = {
    "integer_Type": [("charset", "fugoNumber"), ("format", "integer"), ("digits", INTEGER_DIGITS)],
    "boolean_Type": [("contain", "true false")],
    "enum_Type": [("contain", None)],
    "oecdDoc_Type": [("contain", None)],
    "date_Type": [("format", "date")],
    "countryCode_Type": [("codeCheck", "country")],
    "currCode_Type": [("codeCheck", "currency2")],
    "percentage_Type": [("format", "percentage")],
    "string_Type": [("length", None), ("charset", "latinString")],
    "tin_Type": [("length", None), ("charset", "latinString")],
    "docRefId_Type": [("length", None), ("charset", "latinString"), ("format", "DocRefIdGIR")],
    "messageRefId_Type": [("length", "22"), ("charset", "latinString"), ("format", "MessageRefIdGIR")],
}

# Value rules replaced for single elements.
VALUE_RULES_BY_PATH = {
    # The return is filed with the Japanese tax administration.
    "GLOBE_OECD/MessageSpec/ReceivingCountry": [("contain", "JP")],
}

# A TIN issued by JP and typed as a TIN (or not typed) is a corporate number:
# the same three rules as the corporate-number argument, under the two conditions.
HOJIN_CONDITIONS = [
    [("contain", "3", "JP"), ("contain", "5", "GIR3001")],
    [("contain", "3", "JP"), ("notExist", "5", None)],
]
HOJIN_RULES = [("length", "13"), ("number", None), ("checkDigits", "hojin")]

# Rules of the TIN attribute columns; each applies only when the column is given.
TIN_ATTRIBUTE_RULES = {
    "3": [("codeCheck", "country")],
    "4": [("contain", "true false")],
    "5": [("contain", None)],  # the values of TIN_EnumType
}

# Filing rules of the exclusive section (besides the schema's choice groups).
# ElectionYear stands in an optional group beside Status: an election in force
# (Status true) names the year it was made.
ELECTION_YEAR = {"element": "ElectionYear", "status": "Status", "value": "true",
                 "messageId": "HE60060E"}

# Message of a required member missing from an optional group whose other
# members are there, by the missing element's name; others get the general one.
GROUP_MESSAGES = {"ElectionYear": "HE60060E"}
GROUP_MESSAGE = "HE60009E"

# DocSpec: corrections and deletions name the corrected document, new data never.
CORR_DOC_REQUIRED = {"value": "OECD2 OECD3 OECD12 OECD13", "messageId": "HE60061E"}
CORR_DOC_FORBIDDEN = {"value": "OECD1 OECD11", "messageId": "HE60059E"}

# DocTypeIndic by MessageTypeIndic: a GIR101 message holds new data only, a
# GIR102 message corrections, deletions and unchanged resent documents.
MESSAGE_TYPE_INDIC = "GLOBE_OECD/MessageSpec/MessageTypeIndic"
DOC_TYPE_BY_MESSAGE_TYPE = [
    ("GIR101", "OECD1 OECD11"),
    ("GIR102", "OECD0 OECD2 OECD3 OECD10 OECD12 OECD13"),
]

MESSAGE_REF_ID = "GLOBE_OECD/MessageSpec/MessageRefId"
REPORTING_PERIOD = "GLOBE_OECD/MessageSpec/ReportingPeriod"
# The reporting period ends on the last day of the reported fiscal year.
PERIOD_END = "GLOBE_OECD/GLOBEBody/FilingInfo/Period/End"

# First line of 212, for its maintainers (a literal backslash before n).
ELEMENT_LIST_COMMENT = "※改行タグは[\\n]を使用すること"
