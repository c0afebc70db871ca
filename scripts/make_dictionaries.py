#!/usr/bin/env python3
"""Builds the dictionary files shipped beside the program and the embedded code dictionary.

Inputs are the public sources in data/sources (see data/sources/README.md for provenance and
licences). Outputs:
  data/InspectionNumbers.xml   tax inspections (windows-1251)
  data/Oksm.xml                countries by their OKSM code
  data/CurrencyRates.xml       currencies with the Central Bank's rates
  data/Sp_OKVED2.xml           the activity-code tree
  src/dictionaries/IncomeDictText.cpp   the income and deduction code dictionary as a raw string

Run from anywhere: python3 scripts/make_dictionaries.py [--check]
With --check nothing is written; the exit status is 1 when a committed file is out of date.
Standard library only.
"""

import csv
import datetime
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = os.path.join(ROOT, "data", "sources")
DATA = os.path.join(ROOT, "data")


def read_csv(name, delimiter=","):
    with open(os.path.join(SOURCES, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter=delimiter))


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def xml_bytes(lines, encoding):
    text = '<?xml version="1.0" encoding="%s"?>\n' % encoding + "\n".join(lines) + "\n"
    # Every dictionary text must be representable: a lossy file would show wrong names.
    return text.encode("cp1251" if encoding == "windows-1251" else encoding)


# ---------------------------------------------------------------------------------------------
# Tax inspections

# Codes that the SOUN import drops as well; the shipped list follows the same rule.
DROPPED_INSPECTIONS = {"3906", "7203"}
# The source carries no date of its own; this is the date its data was published.
INSPECTIONS_DATE = "04.01.2024"


def inspections():
    rows = read_csv("tax_offices_fns_docs_code.csv")
    lines = ['<Inspections Version="00" Date="%s">' % INSPECTIONS_DATE]
    seen = set()
    for r in sorted(rows, key=lambda r: r["code"]):
        code = r["code"].strip()
        if r["kind"] == "fns" or code in DROPPED_INSPECTIONS or code in seen:
            continue
        assert len(code) == 4 and code.isdigit(), code
        seen.add(code)
        lines.append('  <Inspection Code="%s">%s</Inspection>' % (code, esc(r["name"].strip())))
    lines.append("</Inspections>")
    return xml_bytes(lines, "windows-1251")


# ---------------------------------------------------------------------------------------------
# Countries

def countries():
    rows = read_csv("oksm_countries.csv")
    lines = ["<Oksm>"]
    for r in sorted(rows, key=lambda r: r["code"]):
        assert len(r["code"]) == 3 and r["code"].isdigit(), r["code"]
        lines.append('  <Country Code="%s">%s</Country>' % (r["code"], esc(r["short_name"].strip())))
    lines.append("</Oksm>")
    return xml_bytes(lines, "windows-1251")


# ---------------------------------------------------------------------------------------------
# Currencies and rates

# ISO entries that are no currency at all.
NOT_CURRENCIES = {"963", "999"}
# The old Belarusian rouble, withdrawn in 2016, still appears in 2016 incomes.
HISTORIC_CURRENCIES = {"974"}


def parse_date(text):
    return datetime.datetime.strptime(text, "%d.%m.%Y").date()


def currency_rates():
    names = {}
    for r in read_csv("iso4217_currencies_ru_list_kornev.csv"):
        code = r["numeric"]
        wanted = r["iso_list"] == "current" or code in HISTORIC_CURRENCIES
        if wanted and code not in NOT_CURRENCIES and code not in names:
            names[code] = r["name_ru"].strip()
    rates = {}
    for name in ("cbr_rates_usd_eur_2016_2018.csv", "cbr_rates_other_sample_months.csv"):
        for r in read_csv(name):
            day = parse_date(r["date"])
            entry = rates.setdefault(r["code"], {})
            value = (r["rate"], r["quantity"])
            assert entry.get(day, value) == value, (r["code"], r["date"])
            entry[day] = value
    missing = set(rates) - set(names)
    assert not missing, missing
    lines = ["<CurrencyRates>"]
    for code in sorted(names):
        if code not in rates:
            lines.append('  <Currency Code="%s" Name="%s"/>' % (code, esc(names[code])))
            continue
        lines.append('  <Currency Code="%s" Name="%s">' % (code, esc(names[code])))
        for day in sorted(rates[code]):
            rate, quantity = rates[code][day]
            lines.append('    <Rate Date="%s" Rate="%s" Quantity="%s"/>'
                         % (day.strftime("%d.%m.%Y"), rate, quantity))
        lines.append("  </Currency>")
    lines.append("</CurrencyRates>")
    return xml_bytes(lines, "windows-1251")


# ---------------------------------------------------------------------------------------------
# Activity codes
#
# The base is the earlier edition of the classifier (closest to the one in force in 2017). That
# source leaves out the rows in which a group only repeats its parent (01.30, 12.00, ...); they
# are taken from the Rosstat file: every row missing from the earlier edition that is the only
# child of its parent there, or that an earlier-edition row needs as its parent. Codes added to
# the classifier after the earlier edition are not taken.

def okved_parent(code):
    return code[:-1].rstrip(".") if len(code) > 2 else ""


def okved_level(code):
    # 01 -> 2, 01.1 -> 3, 01.11 -> 4, 01.11.1 -> 5, 01.11.11 -> 6
    return {2: 2, 4: 3, 5: 4, 7: 5, 8: 6}[len(code)]


def okved():
    early = read_csv("okved2_earlier_edition_vktrbr.csv")
    late = read_csv("okved2_rosstat_20231201.csv")
    sections = {}
    entries = {}
    for r in early:
        if r["code"]:
            entries[r["code"]] = (r["section"], r["name"].strip())
        else:
            sections[r["section"]] = r["name"].strip()
    late_by_code = {r["code"]: r for r in late if r["code"]}
    children = {}
    for code in late_by_code:
        children.setdefault(okved_parent(code), []).append(code)
    needed = set()
    for code in list(entries):
        p = okved_parent(code)
        while p and p not in entries:
            needed.add(p)
            p = okved_parent(p)
    for code, r in late_by_code.items():
        if code in entries:
            continue
        only_child = len(children.get(okved_parent(code), [])) == 1
        if code in needed or only_child:
            entries[code] = (r["section"], r["name"].strip())
    # A row whose parent exists in neither source is a slip of the earlier edition (72.10.11 is
    # 72.20.11 of the classifier, which the Rosstat file has); it is left out.
    orphans = {c for c in entries if okved_parent(c) and okved_parent(c) not in entries}
    assert orphans == {"72.10.11"}, orphans
    for code in orphans:
        del entries[code]
    lines = ["<OKVED2>"]
    for letter in sorted(sections):
        lines.append('  <Item GRUP="1" Kod="%s" Name="%s"/>' % (letter, esc(sections[letter])))
        for code in sorted(c for c, (s, _) in entries.items() if s == letter):
            lines.append('  <Item GRUP="%d" Kod="%s%s" Name="%s" OKVED="%s"/>'
                         % (okved_level(code), letter, code, esc(entries[code][1]), code))
    lines.append("</OKVED2>")
    return xml_bytes(lines, "windows-1251")


# ---------------------------------------------------------------------------------------------
# Income and deduction code dictionary

# (code, Stav, name). Names are the official ones of the income codes, shortened to fit a row
# of the picker; codes that the official list lacks carry a name of ours.
INCOMES = [
    ("1000", "99", "Суммы прибыли контролируемых иностранных компаний"),
    ("1001", "99", "Доходы, полученные при ликвидации контролируемой иностранной компании"),
    ("1010", "14", "Дивиденды"),
    ("1011", "13", "Проценты, включая дисконт (кроме процентов по вкладам в банках, векселям и ипотечн. облигациям)"),
    ("1012", "14", "Дивиденды, полученные от контролируемой иностранной компании"),
    ("1110", "9", "Проценты по облигациям с ипотечным покрытием, эмитированным до 01.01.2007"),
    ("1120", "9", "Доходы учредителей довер. управления ипотечным покрытием (сертификаты участия до 01.01.2007)"),
    ("1200", "13", "Доходы в виде иных страховых выплат по договорам страхования"),
    ("1201", "13", "Страховые выплаты по договорам страхования в виде оплаты санаторно-курортных путевок"),
    ("1202", "13", "Страховые выплаты по договорам добров. страхования жизни (в части превышения взносов)"),
    ("1203", "13", "Страховые выплаты по договорам добров. имущественного страхования (в части превышения)"),
    ("1211", "13", "Страховые взносы по договорам страхования, вносимые за физ. лиц работодателями и организациями"),
    ("1212", "13", "Выкупные суммы при досрочном расторжении договоров добровольного страхования жизни"),
    ("1213", "13", "Выкупные суммы при досрочном расторжении договоров добровольного пенсионного страхования"),
    ("1215", "13", "Выкупные суммы при досрочном расторжении договоров негосударственного пенсионного обеспечения"),
    ("1219", "13", "Взносы с соц. вычетом (пп.4 п.1 ст.219 НК) при расторжении договора добров. пенс. страхования"),
    ("1220", "13", "Взносы с соц. вычетом (пп.4 п.1 ст.219 НК) при расторжении договора негос. пенс. обеспечения"),
    ("1240", "13", "Пенсии по договорам негосударственного пенсионного обеспечения с российскими НПФ"),
    ("1300", "13", "Доходы от использования авторских или иных смежных прав"),
    ("1301", "13", "Доходы от отчуждения авторских или иных смежных прав"),
    ("1400", "13", "Доходы от сдачи в аренду имущества (кроме транспортных средств, средств связи, компьютерных сетей)"),
    ("1510", "13", "Доходы от продажи жилых домов, квартир, комнат, дач, садовых домиков и земельных участков"),
    ("1511", "13", "Доходы от продажи доли в жилом доме, квартире, комнате, даче, садовом домике, земельном участке"),
    ("1512", "13", "Доходы от продажи иного недвижимого имущества (доли в нем)"),
    ("1520", "13", "Доходы от продажи иного имущества (кроме недвижимого имущества и ценных бумаг)"),
    ("1530", "13", "Доходы от реализации ЦБ (обращ-ся на орг. рынке ЦБ)"),
    ("1536", "13", "Доходы от реализации ЦБ (на момент приобретения обращ-ся на орг. рынке ЦБ)"),
    ("1531", "13", "Доходы от реализации ЦБ (не обращ-ся на орг. рынке ЦБ)"),
    ("1532", "13", "Доходы по операциям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке, базис ЦБ/индексы)"),
    ("1535", "13", "Доходы по операциям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке, базис не ЦБ/индексы)"),
    ("1533", "13", "Доходы по операциям с фин. инстр. сроч. сделок (не обращ-ся на орг. рынке)"),
    ("1537", "13", "Доходы в виде процентов по займу по операциям РЕПО (ЦБ обращ-ся на орг. рынке ЦБ)"),
    ("9537", "13", "Доходы в виде процентов по займу по операциям РЕПО (ЦБ не обращ-ся на орг. рынке ЦБ)"),
    ("1538", "13", "Доходы в виде процентов по договорам займа ЦБ (обращ-ся на орг. рынке ЦБ)"),
    ("9538", "13", "Доходы в виде процентов по договорам займа ЦБ (не обращ-ся на орг. рынке ЦБ)"),
    ("1544", "13", None),  # the investment-account twins take "(ИИС)" and the name of their twin
    ("1549", "13", None),
    ("1545", "13", None),
    ("1546", "13", None),
    ("1548", "13", None),
    ("1547", "13", None),
    ("1551", "13", None),
    ("9551", "13", None),
    ("1552", "13", None),
    ("9552", "13", None),
    ("1540", "13", "Доходы от реализации долей участия в уставном капитале организаций"),
    ("1542", "13", "Действительная стоимость доли в уставном капитале, выплачиваемая при выходе участника"),
    ("1550", "13", "Доходы от уступки прав требования по договору участия в долевом строительстве"),
    ("1560", "13", "Средства (имущество), полученные участником при ликвидации общества"),
    ("1570", "13", "Доходы при уменьшении номинальной стоимости доли в уставном капитале общества"),
    ("2000", "13", "Заработная плата и другие выплаты во исполнение трудового договора (кроме договоров ГП характера)"),
    ("2001", "13", "Вознаграждения директоров и иные выплаты членам органа управления организации"),
    ("2002", "13", "Премии за производственные результаты (выплачиваемые не за счет прибыли организации)"),
    ("2003", "13", "Вознаграждения за счет прибыли организации, средств спец. назначения или целевых поступлений"),
    ("2010", "13", "Выплаты по договорам гражданско-правового характера (кроме авторских вознаграждений)"),
    ("2012", "13", "Суммы отпускных выплат"),
    ("2013", "13", "Сумма компенсации за неиспользованный отпуск"),
    ("2014", "13", "Выходное пособие и компенсации при увольнении (сверх трех- или шестикратного заработка)"),
    ("2201", "13", "Авторские вознаграждения за создание литературных произведений (в т.ч. для театра, кино, эстрады)"),
    ("2202", "13", "Авторские вознаграждения за худож.-графические произведения, фотоработы, архитектуру и дизайн"),
    ("2203", "13", "Авторские вознаграждения за произведения скульптуры, живописи, декоративно-прикладного искусства"),
    ("2204", "13", "Авторские вознаграждения за создание аудиовизуальных произведений (видео-, теле- и кинофильмов)"),
    ("2205", "13", "Авторские вознаграждения за музыкально-сценические, симфонические, хоровые, камерные произведения"),
    ("2206", "13", "Авторские вознаграждения за создание других музыкальных произведений"),
    ("2207", "13", "Авторские вознаграждения за исполнение произведений литературы и искусства"),
    ("2208", "13", "Авторские вознаграждения за создание научных трудов и разработок"),
    ("2209", "13", "Авторские вознаграждения за открытия, изобретения, полезные модели, промышленные образцы"),
    ("2210", "13", "Вознаграждения наследникам (правопреемникам) авторов произведений, открытий, изобретений"),
    ("2220", "13", "Доходы, полученные в порядке дарения (недвижимость, транспорт, акции, доли, паи)"),
    ("2300", "13", "Пособие по временной нетрудоспособности"),
    ("2301", "13", "Штрафы и неустойки по решению суда за неудовлетворение требований потребителей"),
    ("2400", "13", "Доходы от сдачи в аренду транспортных средств, трубопроводов, ЛЭП, линий и иных средств связи"),
    ("2510", "13", "Оплата за налогоплательщика организациями или ИП товаров, работ, услуг, имущественных прав"),
    ("2520", "13", "Доход в натуральной форме в виде оплаты товаров, работ, услуг в интересах налогоплательщика"),
    ("2530", "13", "Оплата труда в натуральной форме"),
    ("2610", "35", "Мат. выгода от экономии на процентах за пользование заемными (кредитными) средствами"),
    ("2611", "13", "Сумма списанного в установленном порядке безнадежного долга с баланса организации"),
    ("2620", "35", "Мат. выгода от экономии на процентах по кред. средств. на новое стр-во (не облагаемая)"),
    ("2630", "13", "Мат. выгода от приобретения товаров, работ, услуг у взаимозависимых лиц"),
    ("2640", "13", "Материальная выгода, полученная от приобретения ценных бумаг"),
    ("2641", "13", "Материальная выгода, полученная от приобретения производных финансовых инструментов"),
    ("2710", "13", "Материальная помощь (кроме помощи работодателей, организаций инвалидов, при рождении ребенка)"),
    ("2720", "13", "Стоимость подарков"),
    ("2730", "13", "Стоимость призов на конкурсах и соревнованиях, проводимых по решениям органов власти"),
    ("2740", "35", "Стоимость выигрышей и призов в конкурсах, играх и других мероприятиях в целях рекламы"),
    ("2750", "13", "Стоимость призов на конкурсах и соревнованиях, проводимых не по решениям органов власти"),
    ("2760", "13", "Материальная помощь работодателей работникам и бывшим работникам, вышедшим на пенсию"),
    ("2761", "13", "Материальная помощь, оказываемая инвалидам общественными организациями инвалидов"),
    ("2762", "13", "Единовременная материальная помощь работодателей работникам при рождении (усыновлении) ребенка"),
    ("2770", "13", "Возмещение работодателями работникам, их родственникам, пенсионерам стоимости медикаментов"),
    ("2780", "13", "Возмещение (оплата) стоимости медикаментов, назначенных лечащим врачом, в иных случаях"),
    ("2790", "13", "Помощь и подарки ветеранам и инвалидам ВОВ, вдовам военнослужащих, бывшим узникам концлагерей"),
    ("2800", "13", "Проценты (дисконт), полученные при оплате предъявленного к платежу векселя"),
    ("2900", "13", "Доходы, полученные от операций с иностранной валютой"),
    ("3010", "13", "Доходы в виде выигрышей, полученных в букмекерской конторе и тотализаторе"),
    ("3020", "35", "Доходы в виде процентов, получаемых по вкладам в банках"),
    ("3022", "35", "Плата за использование денежных средств пайщиков кредитного потребительского кооператива"),
    ("3023", "13", "Купон по обращающимся рублевым облигациям российских организаций, эмитированным после 01.01.2017"),
    ("4800", "13", "Иные доходы"),
    ("4900", "13", "Доходы от изъятия имущества для государственных или муниципальных нужд"),
    ("4910", "13", "Доходы от реализации имущества, полученного при ликвидации иностранной организации"),
    ("4920", "13", "Доходы от реализации имущественных прав, полученных от контролируемой иностранной компании"),
]

INVESTMENT_ACCOUNT_TWINS = {
    "1544": "1530", "1549": "1536", "1545": "1531", "1546": "1532", "1548": "1535",
    "1547": "1533", "1551": "1537", "9551": "9537", "1552": "1538", "9552": "9538",
}

NREZ13 = {"2000", "2001", "2002", "2003", "2010", "2012", "2013", "2014", "2300", "2301", "2530"}
SALE_DATE = {"1510", "1511", "1512", "1520", "1530", "1536", "1531", "1532", "1535", "1533", "1537",
             "9537", "1538", "9538", "1544", "1549", "1545", "1546", "1548", "1547", "1551", "9551",
             "1552", "9552"}

# code: (name, Visible, Enabled, Equivalent, MaxSum)
DEDUCTIONS = {}


def _deduction(codes, name, visible, enabled, equivalent, max_sum):
    for code in codes:
        DEDUCTIONS[code] = (name, visible, enabled, equivalent, max_sum)


_deduction(["0"], "Не предоставлять вычет", "F", "T", "F", "0")
_deduction(["201", "225"], "Расходы по операциям с ЦБ (обращ-ся на орг. рынке ЦБ)", "T", "T", "F", "0")
_deduction(["202", "226"], "Расходы по операциям с ЦБ (не обращ-ся на орг. рынке ЦБ)", "T", "T", "F", "0")
_deduction(["203", "227"], "Расходы по операциям с ЦБ (на момент приобретения обращ-ся на орг. рынке ЦБ)",
           "T", "T", "F", "0")
_deduction(["206", "207", "228", "229"],
           "Расходы по операциям с фин. инстр. сроч. сделок (обращ-ся на орг. рынке ЦБ)", "T", "T", "F", "0")
_deduction(["220", "235"], "Расходы по операциям с фин. инстр. сроч. сделок (не обращ-ся на орг. рынке ЦБ)",
           "T", "T", "F", "0")
_deduction(["211", "230"], "Расходы по оп-циям РЕПО, связанные с доходом в виде процентов по займу",
           "T", "T", "F", "0")
_deduction(["215", "232"], "Расходы, связанные с доходом в виде процентов по займу", "T", "T", "F", "0")
_deduction(["218", "233"], "Процентный расход при открытии кор. поз. по ЦБ (обращ-ся на орг. рынке ЦБ)",
           "T", "T", "F", "0")
_deduction(["219", "234"], "Процентный расход при открытии кор. поз. по ЦБ (не обращ-ся на орг. рынке ЦБ)",
           "T", "T", "F", "0")
_deduction(["314", "315", "316", "317", "318"], "В сумме документально подтвержденных расходов",
           "T", "T", "F", "0")
_deduction(["403", "404"], "В сумме документально произведенных расходов", "T", "T", "F", "0")
_deduction(["405"], "В пределах норматива затрат", "T", "F", "F", "0")
_deduction(["501"], "Вычет из стоимости подарка от организаций и индивидуальных предпринимателей",
           "T", "T", "T", "4000")
_deduction(["502"], "Вычет из стоимости призов, полученных на соревнованиях", "T", "T", "T", "4000")
_deduction(["503"], "Вычет из стоимости материальной помощи", "T", "T", "T", "4000")
_deduction(["504"], "Вычет из суммы возмещения", "T", "T", "T", "4000")
_deduction(["505"], "Вычет из стоимости призов на конкурсах, проводимых в целях рекламы", "T", "T", "T", "4000")
_deduction(["506"], "Вычет из суммы мат. помощи, оказываемой инвалидам общественными организациями инвалидов",
           "T", "T", "T", "4000")
_deduction(["507"], "Вычет из суммы материальной помощи", "T", "T", "T", "10000")
_deduction(["508"], "Вычет из суммы мат. помощи, оказываемой при рождении (усыновлении (удочерении) ребенка",
           "T", "T", "F", "0")
_deduction(["510"], "Вычет в сумме уплаченных работодателем страховых взносов за работника (в пределах 12 000)",
           "T", "T", "T", "12000")
_deduction(["901"], "Продажа имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб.)",
           "T", "F", "T", "1000000")
_deduction(["902"], "Продажа доли имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 250 000 руб.)",
           "T", "T", "F", "250000")
_deduction(["903"], "В сумме документально подтвержденных расходов ", "T", "T", "F", "0")
_deduction(["904"], "Продажа доли имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 1 000 000 руб. х долю)",
           "T", "T", "F", "1000000")
_deduction(["905", "907"], "В пределах норматива (250 000 руб.)", "T", "T", "T", "250000")
_deduction(["906"], "Продажа имущ-ва, наход-ся в собст-ти менее 3 лет (в пределах 250 000 руб.)",
           "T", "T", "F", "250000")
_deduction(["908"], "Вычет, предусмотренный пп. 1.1 п.1 ст. 220 НК", "T", "T", "F", "0")
_deduction(["910"], "Вычет, предусмотренный пп. 2.1 п.2 ст. 220 НК", "T", "T", "F", "0")
_deduction(["912"], "Вычет, предусмотренный пп. 2.2 п.2 ст. 220 НК", "T", "T", "F", "0")

# Income code: deduction codes in picker order (each list ends with "0"); 405 carries its share.
DEDUCTION_LISTS = {}


def _deductions(incomes, codes):
    for income in incomes:
        DEDUCTION_LISTS[income] = codes + ["0"]


_deductions(["1211"], ["510"])
_deductions(["1510"], ["901", "903"])
_deductions(["1511"], ["904", "903"])
_deductions(["1512"], ["902", "903"])
_deductions(["1520"], ["906", "903"])
_deductions(["1530"], ["201", "218"])
_deductions(["1536"], ["203"])
_deductions(["1531"], ["202", "219"])
_deductions(["1532"], ["206"])
_deductions(["1535"], ["207"])
_deductions(["1533"], ["220"])
_deductions(["1537", "9537"], ["211"])
_deductions(["1538", "9538"], ["215"])
_deductions(["1544"], ["225", "233"])
_deductions(["1549"], ["227"])
_deductions(["1545"], ["226", "234"])
_deductions(["1546"], ["228"])
_deductions(["1548"], ["229"])
_deductions(["1547"], ["235"])
_deductions(["1551", "9551"], ["230"])
_deductions(["1552", "9552"], ["232"])
_deductions(["1540"], ["905", "315"])
_deductions(["1542"], ["907", "316"])
_deductions(["1550"], ["314"])
_deductions(["1560"], ["317"])
_deductions(["1570"], ["318"])
_deductions(["2010"], ["403"])
_deductions(["2201", "2207", "2208"], ["404", "405:20"])
_deductions(["2202", "2204", "2209"], ["404", "405:30"])
_deductions(["2203", "2205"], ["404", "405:40"])
_deductions(["2206"], ["404", "405:25"])
_deductions(["2720"], ["501"])
_deductions(["2730"], ["502"])
_deductions(["2740"], ["505"])
_deductions(["2760"], ["503"])
_deductions(["2761"], ["506"])
_deductions(["2762"], ["508"])
_deductions(["2770"], ["504"])
_deductions(["2790"], ["507"])
_deductions(["4900"], ["908"])
_deductions(["4910"], ["910"])
_deductions(["4920"], ["912"])

TRUE_FALSE = {"T": "True", "F": "False"}
# A row of the picker shows about this many characters.
MAX_NAME_LENGTH = 100


def income_names():
    official = {r["code"]: r["name"] for r in read_csv("income-codes-2017.csv", delimiter=";")}
    names = {code: name for code, _, name in INCOMES if name}
    for twin, base in INVESTMENT_ACCOUNT_TWINS.items():
        names[twin] = "(ИИС)" + names[base]
    for code, name in names.items():
        assert len(name) <= MAX_NAME_LENGTH, (code, len(name))
    # Every name of ours stands for a code that the official list lacks, or shortens its name.
    ours = {c for c in names if c not in official}
    assert ours == {"1000", "1001", "1012", "1510", "1511", "1512", "1520", "1560", "1570", "2220",
                    "2620", "4900", "4910", "4920", "9537", "9538", "9551", "9552"}, ours
    return names


def income_dict_xml():
    names = income_names()
    codes = [c for c, _, _ in INCOMES]
    assert len(codes) == 102 and len(set(codes)) == 102
    assert set(DEDUCTION_LISTS) <= set(codes)
    lines = ["<IncomeDict>"]
    for code, stav, _ in INCOMES:
        attrs = 'Stav="%s" Code="%s" Name="%s"' % (stav, code, esc(names[code]))
        if code in NREZ13:
            attrs += ' NRez13="True"'
        if code in SALE_DATE:
            attrs += ' SaleDate="True"'
        if code not in DEDUCTION_LISTS:
            lines.append("  <Income %s/>" % attrs)
            continue
        lines.append("  <Income %s>" % attrs)
        for item in DEDUCTION_LISTS[code]:
            dcode, _, share = item.partition(":")
            name, visible, enabled, equivalent, max_sum = DEDUCTIONS[dcode]
            lines.append('    <Deduction Code="%s" Name="%s" Stav="%s" Visible="%s" Enabled="%s" '
                         'Equivalent="%s" MaxSum="%s"/>'
                         % (dcode, esc(name), share or " ", TRUE_FALSE[visible], TRUE_FALSE[enabled],
                            TRUE_FALSE[equivalent], max_sum))
        lines.append("  </Income>")
    lines.append("</IncomeDict>")
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + "\n".join(lines) + "\n"


def income_dict_cpp():
    xml = income_dict_xml()
    assert ')xml"' not in xml
    return ("// Generated by scripts/make_dictionaries.py from its tables; edit the script, not this file.\n"
            '#include "dictionaries/IncomeCodeDict.h"\n\n'
            "namespace zizaza {\n\n"
            "std::string_view EmbeddedIncomeDictXml() {\n"
            '    static constexpr std::string_view kText = R"xml(' + xml + ')xml";\n'
            "    return kText;\n"
            "}\n\n"
            "}  // namespace zizaza\n").encode("utf-8")


# ---------------------------------------------------------------------------------------------

OUTPUTS = [
    (os.path.join(DATA, "InspectionNumbers.xml"), inspections),
    (os.path.join(DATA, "Oksm.xml"), countries),
    (os.path.join(DATA, "CurrencyRates.xml"), currency_rates),
    (os.path.join(DATA, "Sp_OKVED2.xml"), okved),
    (os.path.join(ROOT, "src", "dictionaries", "IncomeDictText.cpp"), income_dict_cpp),
]


def main(argv):
    check = "--check" in argv
    stale = []
    for path, build in OUTPUTS:
        content = build()
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old == content:
            continue
        stale.append(os.path.relpath(path, ROOT))
        if not check:
            with open(path + ".tmp", "wb") as f:
                f.write(content)
            os.replace(path + ".tmp", path)
    for name in stale:
        print(("out of date: " if check else "written: ") + name)
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
