#!/usr/bin/env python3
"""Writes the CbC definition files 203-206, 208, 209, 213 and 214 into definitions/.

The files are data that ship with the component; this script is their single
source, so 209 can be kept as 205 with its few second-schema changes and the
output stays byte for byte the same on every run (Shift_JIS, tab indents, LF).

    tools/gen_cbc_definitions.py            write the files
    tools/gen_cbc_definitions.py --check    exit 1 when a shipped file differs
"""

import argparse
import os
import sys

DECLARATION = '<?xml version="1.0" encoding="Shift_JIS" standalone="no" ?>'
ENCODING = "cp932"

FILE_NAMES = {
    203: "CbCValidateDefine.xml",
    204: "CbCDataConvDefine.xml",
    205: "CbCValidateDefine2.xml",
    206: "CbCDataConvDefine2.xml",
    208: "CbCDataConvDefine3.xml",
    209: "CbCValidateDefine3.xml",
    213: "CbCDataConvDefine_AIA540.xml",
    214: "CbCValidateDefine_AIA540.xml",
}


# ---------------------------------------------------------------------------
# Small builders


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;"))


def attrs(pairs):
    return "".join(' %s="%s"' % (k, esc(str(v))) for k, v in pairs if v is not None)


def o(keyword, column, value=None):
    """An outer precondition on a 1-based column."""
    return ("outer", [("id", keyword), ("value", value), ("column", column)])


def v(keyword, value=None, max=None, column=None, assist=None, messageId=None, outers=()):
    """One rule of an item."""
    return (
        [("id", keyword), ("value", value), ("max", max), ("column", column),
         ("assist", assist), ("messageId", messageId)],
        list(outers),
    )


def when(outers, *rules):
    """The same outer preconditions on every rule."""
    return [(pairs, list(outs) + list(outers)) for pairs, outs in rules]


class Writer:
    def __init__(self):
        self.lines = [DECLARATION]

    def line(self, depth, text):
        self.lines.append("\t" * depth + text)

    def text(self):
        return "\n".join(self.lines) + "\n"


def write_check_item(w, depth, item_attrs, rules):
    if not rules:
        w.line(depth, "<item%s/>" % attrs(item_attrs))
        return
    w.line(depth, "<item%s>" % attrs(item_attrs))
    for pairs, outers in rules:
        if not outers:
            w.line(depth + 1, "<valid%s/>" % attrs(pairs))
            continue
        w.line(depth + 1, "<valid%s>" % attrs(pairs))
        for _, opairs in outers:
            w.line(depth + 2, "<outer%s/>" % attrs(opairs))
        w.line(depth + 1, "</valid>")
    w.line(depth, "</item>")


# ---------------------------------------------------------------------------
# Appendix tables: 203, 204, 213, 214

KUBUN_RULES = [v("exist"), v("length", "1"), v("number"), v("contain", "1 2")]


def levra_text(maximum):
    return [v("exist"), v("length", max=maximum), v("charset", "levraString")]


def bango_rules(column):
    return when([o("exist", column)],
                v("length", "13"), v("number"), v("checkDigits", "hojin"))


def at_least_one_flag(column, others):
    return v("contain", "1", column=column, assist="3",
             outers=[o("notContain", c, "1") for c in others])


def gen_203():
    w = Writer()
    w.line(0, '<CbCValidateDefine VR="1.0">')
    w.line(1, '<report procId="PAI1010" procVR="23.1.0" reportId="AIA120" reportVR="1.0" columnNum="9">')
    for name, column in (("HQA00010", 1), ("HQA00020", 2), ("HQA00030", 3), ("HQB00010", 4)):
        write_check_item(w, 2, [("id", name), ("column", column), ("type", "Kubun")], KUBUN_RULES)
    for name, column, maximum in (("HQB00020", 5, "100"), ("HQB00030", 6, "100"), ("HQB00050", 8, "30")):
        write_check_item(w, 2, [("id", name), ("column", column), ("type", "Normal")], levra_text(maximum))
    write_check_item(w, 2, [("id", "HQB00060"), ("column", 9), ("type", "Bango")], bango_rules(9))
    # At least one of the three content flags must offer its table.
    write_check_item(w, 2, [("type", "Kubun")], [
        at_least_one_flag(1, (2, 3)),
        at_least_one_flag(2, (1, 3)),
        at_least_one_flag(3, (1, 2)),
    ])
    write_check_item(w, 2, [("id", "HQB00040"), ("column", 7), ("type", "Normal")],
                     [v("notExist", outers=[o("contain", 4, "1")])]
                     + when([o("contain", 4, "2")],
                            v("exist"), v("length", max="100"), v("charset", "levraString")))
    w.line(1, "</report>")
    w.line(0, "</CbCValidateDefine>")
    return w.text()


def gen_214():
    w = Writer()
    w.line(0, '<CbCValidateDefine VR="1.0">')
    w.line(1, '<report reportId="AIA540" reportVR="1.0" columnNum="5">')
    write_check_item(w, 2, [("column", 1), ("type", "Kubun")], KUBUN_RULES)
    write_check_item(w, 2, [("column", 2), ("type", "Normal")], levra_text("100"))
    write_check_item(w, 2, [("column", 3), ("type", "Normal")], levra_text("100"))
    write_check_item(w, 2, [("column", 4), ("type", "Normal")], levra_text("30"))
    write_check_item(w, 2, [("column", 5), ("type", "Bango")], bango_rules(5))
    w.line(1, "</report>")
    w.line(0, "</CbCValidateDefine>")
    return w.text()


def conv_item(item_id=None, parent=None, column=None, type_="Normal", repeat=None, value=None,
              attr=None, attrValue=None, attrValueRec=None, attrValueColumn=None,
              nameSpace=None, emptyTag=None, requiredChild=None):
    return [("id", item_id), ("parent", parent), ("column", column), ("type", type_),
            ("repeat", repeat), ("value", value), ("attr", attr), ("attrValue", attrValue),
            ("attrValueRec", attrValueRec), ("attrValueColumn", attrValueColumn),
            ("nameSpace", nameSpace), ("emptyTag", emptyTag), ("requiredChild", requiredChild)]


def gen_204():
    w = Writer()
    w.line(0, '<CbCDataConvDefine VR="1.0">')
    w.line(1, '<report procId="PAI1010" procVR="23.1.0" reportId="AIA120" reportVR="1.0" pageRec="15" columnNum="9">')
    items = [conv_item("HQA00000", "AIA120", repeat="1")]
    items += [conv_item(n, "HQA00000", c, "Kubun") for n, c in (("HQA00010", 1), ("HQA00020", 2), ("HQA00030", 3))]
    items.append(conv_item("HQB00000", "AIA120", repeat="15"))
    items.append(conv_item("HQB00010", "HQB00000", 4, "Kubun"))
    items += [conv_item(n, "HQB00000", c) for n, c in
              (("HQB00020", 5), ("HQB00030", 6), ("HQB00040", 7), ("HQB00050", 8))]
    items.append(conv_item("HQB00060", "HQB00000", 9, "Bango"))
    for item in items:
        w.line(2, "<item%s></item>" % attrs(item))
    w.line(1, "</report>")
    w.line(0, "</CbCDataConvDefine>")
    return w.text()


def gen_213():
    w = Writer()
    w.line(0, '<CbCDataConvDefine VR="1.0">')
    w.line(1, '<report reportId="AIA540" reportVR="1.0" pageRec="15" columnNum="5">')
    items = [conv_item("HCA00000", "AIA540", 1, "Kubun", repeat="1"),
             conv_item("HCB00000", "AIA540", repeat="15")]
    items += [conv_item(n, "HCB00000", c) for n, c in (("HCB00010", 2), ("HCB00020", 3), ("HCB00030", 4))]
    items.append(conv_item("HCB00040", "HCB00000", 5, "Bango"))
    for item in items:
        w.line(2, "<item%s/>" % attrs(item))
    w.line(1, "</report>")
    w.line(0, "</CbCDataConvDefine>")
    return w.text()


# ---------------------------------------------------------------------------
# CbC report checks: 205 (first schema) and 209 (second schema)

BIZ_ACTIVITIES = " ".join("CBC%d" % n for n in range(501, 514))
SUMMARY_REFS = " ".join("CBC%d" % n for n in range(601, 612))
AMOUNTS = ("Unrelated", "Related", "Total", "ProfitOrLoss", "TaxPaid", "TaxAccrued",
           "Capital", "Earnings", "NbEmployees", "Assets")
RECORD_COMMENTS = (
    "1: メッセージ・ヘッダーレコード",
    "2: 提供法人レコード",
    "3: 概要レコード",
    "4: 構成会社等一覧レコード",
    "5: 追加情報レコード",
)


def latin():
    return v("charset", "latinString")


def optional(column, *rules):
    return when([o("exist", column)], *rules)


def code(column, codes, required):
    rules = [v("length", "2"), latin(), v("codeCheck", codes)]
    return ([v("exist")] + rules) if required else optional(column, *rules)


def check_defs(second):
    """The five reports of 205 (second=False) or 209 (second=True)."""
    country = "country2" if second else "country"
    docref = (v("length", "26"), v("format", "DocRefId3")) if second else (v("length", "29"), v("format", "DocRefId"))
    corr = (v("length", "26 29"), v("format", "DocRefId2")) if second else (v("length", "29"), v("format", "DocRefId"))

    def doc_type():
        return [v("exist"), v("length", "5"), latin(), v("contain", "OECD0 OECD1 OECD2 OECD3")]

    def doc_ref():
        return [v("exist"), docref[0], latin(), docref[1]]

    def corr_doc_ref():
        return ([v("notExist", outers=[o("contain", 2, "OECD0 OECD1")])]
                + when([o("contain", 2, "OECD2 OECD3")], v("exist"), corr[0], latin(), corr[1]))

    def text(column, maximum, required):
        rules = ([v("length", max=maximum)] if maximum else []) + [latin()]
        return ([v("exist")] + rules) if required else optional(column, *rules)

    def empties(first, last):
        return [("EmptyColumn%02d" % c, c, [v("notExist")]) for c in range(first, last + 1)]

    max200 = "200" if second else None
    max4000 = "4000" if second else None

    # MessageSpec
    if second:
        version = [v("exist"), v("length", "3"), latin(), v("contain", "2.0", messageId="HE60038E")]
        msgref = [v("exist"), v("length", "22"), latin(), v("format", "MessageRefId2")]
    else:
        version = [v("exist"), v("length", "5"), latin(), v("contain", "1.0.1")]
        msgref = [v("exist"), v("length", "24"), latin(), v("format", "MessageRefId")]
    message_spec = [
        ("Version", 2, version),
        ("ReceivingCountry", 3, [v("exist"), v("length", max="900"), latin(), v("codeCheck", country), v("duplicate")]),
        ("Warning", 4, text(4, "4000", False)),
        ("MessageRefId", 5, msgref),
        ("MessageTypeIndic", 6, [v("exist"), v("length", "6"), latin(), v("contain", "CBC401 CBC402")]),
        ("ReportingPeriod", 7, [v("exist"), v("length", "10"), latin(), v("format", "date")]),
        ("Currency", 8, optional(8, v("length", "3"), latin(), v("codeCheck", "currency2" if second else "currency"))),
    ] + empties(9, 15)

    # ReportingEntity
    reporting_tin = [
        v("exist"),
        v("length", "13", outers=[o("number", 5)]),
        v("length", max="13", outers=[o("notNumber", 5)]),
        latin(),
        v("checkDigits", "hojin", outers=[o("number", 5)]),
        v("contain", "NOTIN", outers=[o("notNumber", 5)]),
    ]
    role = [v("exist"), v("length", "6"), latin(), v("contain", "CBC701 CBC702 CBC703")]
    date = [v("exist"), v("length", "10"), latin(), v("format", "date")]
    reporting_entity = [
        ("DocTypeIndic", 2, doc_type()),
        ("TIN", 5, reporting_tin),
        ("IN", 6, text(6, max200, False)),
        ("Name", 7, text(7, max200, True)),
        ("AddressFree", 8, text(8, max4000, False)),
    ]
    if second:
        reporting_entity += [
            ("NameMNEGroup", 9, text(9, "200", False)),
            ("ReportingRole", 10, role),
            ("StartDate", 11, date),
            ("EndDate", 12, date),
        ] + empties(13, 15)
    else:
        reporting_entity += [("ReportingRole", 9, role)] + empties(10, 15)
    reporting_entity += [("DocRefId", 3, doc_ref()), ("CorrDocRefId", 4, corr_doc_ref())]

    # CbcReportsSummary
    amount = [v("exist"), v("length", max="16"), v("charset", "fugoNumber"), v("format", "integer")]
    summary = [
        ("DocTypeIndic", 2, doc_type()),
        ("DocRefId", 3, doc_ref()),
        ("ResCountryCode", 5, code(5, country, True)),
    ] + [(name, 6 + i, amount) for i, name in enumerate(AMOUNTS)] + [("CorrDocRefId", 4, corr_doc_ref())]

    # CbcReportsConstEntities. A Japanese entity is identified by its corporate
    # number like the reporting entity; other entities carry their own TIN.
    jp = o("contain", 2, "JP")
    const_tin = [
        v("exist"),
        v("length", "13", outers=[jp, o("number", 3)]),
        v("length", max="13", outers=[jp, o("notNumber", 3)]),
    ] + ([v("length", max="200")] if second else []) + [
        latin(),
        v("checkDigits", "hojin", outers=[jp, o("number", 3)]),
        v("contain", "NOTIN", outers=[jp, o("notNumber", 3)]),
    ]
    together = (None, None, [
        v("notExist", column=6, assist=7, messageId="HE60009E", outers=[o("notExist", 7)]),
        v("exist", column=6, assist=7, messageId="HE60009E", outers=[o("exist", 7)]),
    ])
    shift = 1 if second else 0
    biz = 9 + shift
    other = 10 + shift
    const_entities = [
        ("ResCountryCode", 2, code(2, country, True)),
        ("IN", 4, text(4, max200, False)),
        ("Name", 5, text(5, max200, True)),
        ("CountryCode", 6, code(6, country, False)),
        ("AddressFree", 7, text(7, max4000, False)),
        together,
    ]
    if second:
        const_entities.append(("Role", 8, optional(8, v("length", "6"), latin(), v("contain", "CBC801 CBC802 CBC803"))))
    const_entities += [
        ("IncorpCountryCode", 8 + shift, code(8 + shift, country, False)),
        ("BizActivities", biz, [v("exist"), v("length", max="90"), latin(), v("contain2", BIZ_ACTIVITIES)]),
        ("OtherEntityInfo", other, [v("exist", outers=[o("csvContain", biz, "CBC513")])]
         + optional(other, v("length", max="4000"), latin())),
    ] + empties(other + 1, 15) + [("TIN", 3, const_tin)]

    # AdditionalInfo
    other_info = ([v("exist"), v("length", max="4000"), latin()] if second
                  else optional(5, v("length", max="4000"), latin()))
    additional = [
        ("DocTypeIndic", 2, doc_type()),
        ("DocRefId", 3, doc_ref()),
        ("OtherInfo", 5, other_info),
        ("ResCountryCode", 6, code(6, country, False)),
        ("SummaryRef", 7, optional(7, v("length", "6"), latin(), v("contain", SUMMARY_REFS))),
    ] + empties(8, 15) + [("CorrDocRefId", 4, corr_doc_ref())]

    return [
        ("MessageSpec", "8", message_spec),
        ("ReportingEntity", "12" if second else "9", reporting_entity),
        ("CbcReportsSummary", "15", summary),
        ("CbcReportsConstEntities", "11" if second else "10", const_entities),
        ("AdditionalInfo", "10", additional),
    ]


def gen_check(second):
    w = Writer()
    w.line(0, '<CbCValidateDefine2 VR="%s">' % ("2.0" if second else "1.0"))
    for (report_id, column_num, items), comment in zip(check_defs(second), RECORD_COMMENTS):
        w.line(1, "<!-- %s -->" % comment)
        w.line(1, "<report%s>" % attrs([("id", report_id), ("columnNum", column_num)]))
        for name, column, rules in items:
            write_check_item(w, 2, [("id", name), ("column", column), ("type", "Normal")], rules)
        w.line(1, "</report>")
    w.line(0, "</CbCValidateDefine2>")
    return w.text()


# ---------------------------------------------------------------------------
# CbC report conversions: 206 (first schema) and 208 (second schema)


def doc_spec(parent):
    return [
        conv_item("DocSpec", parent),
        conv_item("DocTypeIndic", "DocSpec", 2, nameSpace="stf"),
        conv_item("DocRefId", "DocSpec", 3, nameSpace="stf"),
        conv_item("CorrDocRefId", "DocSpec", 4, nameSpace="stf"),
    ]


def party(parent, first_column, own_country):
    """Entity or ConstEntity: ResCountryCode, TIN, IN, Name, Address."""
    c = first_column
    if own_country:
        items = [conv_item("ResCountryCode", parent, c),
                 conv_item("TIN", parent, c + 1, attr="issuedBy", attrValueColumn=c)]
        c += 1
    else:
        items = [conv_item("ResCountryCode", parent, value="JP"),
                 conv_item("TIN", parent, c, attr="issuedBy", attrValue="JP")]
    items += [
        conv_item("IN", parent, c + 1),
        conv_item("Name", parent, c + 2),
        conv_item("Address", parent, attr="legalAddressType", attrValue="OECD304",
                  requiredChild="<cbc:AddressFree>"),
    ]
    if own_country:
        items += [conv_item("CountryCode", "Address", c + 3), conv_item("AddressFree", "Address", c + 4)]
    else:
        items += [conv_item("CountryCode", "Address", value="JP"), conv_item("AddressFree", "Address", c + 3)]
    return items


def conv_defs(second):
    vr = "2.0" if second else "1.0"
    message_spec = [
        conv_item("TransmittingCountry", "MessageSpec", value="JP"),
        conv_item("ReceivingCountry", "MessageSpec", 3, "Split"),
        conv_item("MessageType", "MessageSpec", value="CBC"),
        conv_item("Language", "MessageSpec", value="EN"),
        conv_item("Warning", "MessageSpec", 4),
        conv_item("MessageRefId", "MessageSpec", 5),
        conv_item("MessageTypeIndic", "MessageSpec", 6),
        conv_item("ReportingPeriod", "MessageSpec", 7),
        conv_item("Timestamp", "MessageSpec", 7, "Timestamp"),
    ]

    reporting_entity = [conv_item("Entity", "ReportingEntity")] + party("Entity", 5, False)
    if second:
        reporting_entity += [
            conv_item("NameMNEGroup", "ReportingEntity", 9),
            conv_item("ReportingRole", "ReportingEntity", 10),
            conv_item("ReportingPeriod", "ReportingEntity"),
            conv_item("StartDate", "ReportingPeriod", 11),
            conv_item("EndDate", "ReportingPeriod", 12),
        ]
    else:
        reporting_entity.append(conv_item("ReportingRole", "ReportingEntity", 9))
    reporting_entity += doc_spec("ReportingEntity")

    def amount(name, parent, column):
        return conv_item(name, parent, column, attr="currCode", attrValueRec="MessageType", attrValueColumn=8)

    summary = doc_spec("SummaryDumy") + [
        conv_item("ResCountryCode", "SummaryDumy", 5),
        conv_item("Summary", "SummaryDumy"),
        conv_item("Revenues", "Summary"),
        amount("Unrelated", "Revenues", 6),
        amount("Related", "Revenues", 7),
        amount("Total", "Revenues", 8),
        amount("ProfitOrLoss", "Summary", 9),
        amount("TaxPaid", "Summary", 10),
        amount("TaxAccrued", "Summary", 11),
        amount("Capital", "Summary", 12),
        amount("Earnings", "Summary", 13),
        conv_item("NbEmployees", "Summary", 14),
        amount("Assets", "Summary", 15),
    ]

    shift = 1 if second else 0
    const_entities = [conv_item("ConstEntity", "ConstEntities")] + party("ConstEntity", 2, True)
    if second:
        const_entities.append(conv_item("Role", "ConstEntities", 8))
    const_entities += [
        conv_item("IncorpCountryCode", "ConstEntities", 8 + shift),
        conv_item("BizActivities", "ConstEntities", 9 + shift, "Split"),
        conv_item("OtherEntityInfo", "ConstEntities", 10 + shift),
    ]

    additional = doc_spec("AdditionalInfo") + [
        conv_item("OtherInfo", "AdditionalInfo", 5, emptyTag="true"),
        conv_item("ResCountryCode", "AdditionalInfo", 6),
        conv_item("SummaryRef", "AdditionalInfo", 7),
    ]

    return vr, [
        ([("reportId", "MessageSpec"), ("reportVR", vr), ("columnNum", "8")], message_spec),
        ([("reportId", "ReportingEntity"), ("reportVR", vr), ("columnNum", "9")], reporting_entity),
        ([("reportId", "SummaryDumy"), ("reportVR", vr), ("columnNum", "15"), ("dumyFlg", "true")], summary),
        ([("reportId", "ConstEntities"), ("reportVR", vr), ("columnNum", "10")], const_entities),
        ([("reportId", "AdditionalInfo"), ("reportVR", vr), ("columnNum", "7")], additional),
    ]


def gen_conv(second):
    vr, reports = conv_defs(second)
    w = Writer()
    w.line(0, "<CbCDataConvDefine%s>" % attrs([
        ("VR", vr), ("rootNode", "CBC_OECD"), ("attr", "version"),
        ("attrValueRec", "MessageType"), ("attrValueColumn", "2")]))
    for report_attrs, items in reports:
        w.line(1, "<report%s>" % attrs(report_attrs))
        for item in items:
            w.line(2, "<item%s></item>" % attrs(item))
        w.line(1, "</report>")
    w.line(0, "</CbCDataConvDefine>")
    return w.text()


GENERATORS = {
    203: gen_203,
    204: gen_204,
    205: lambda: gen_check(False),
    206: lambda: gen_conv(False),
    208: lambda: gen_conv(True),
    209: lambda: gen_check(True),
    213: gen_213,
    214: gen_214,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "definitions"))
    args = parser.parse_args()

    differing = []
    for ident in sorted(GENERATORS):
        data = GENERATORS[ident]().encode(ENCODING, errors="strict")
        path = os.path.join(args.out, FILE_NAMES[ident])
        if args.check:
            try:
                with open(path, "rb") as f:
                    if f.read() == data:
                        continue
            except OSError:
                pass
            differing.append(path)
            continue
        with open(path, "wb") as f:
            f.write(data)
    for path in differing:
        print("differs from the generator: %s" % path, file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
