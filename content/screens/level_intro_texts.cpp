#include "content/screens/level_intro_texts.hpp"

namespace content::screens {

namespace {

struct BothLanguages {
    MapStory cz, en;
};

const BothLanguages& story(int map) {
    static const BothLanguages stories[8] = {
        {{"Měsíční noc",
          {"Nad loukou vychází měsíc a v trávě se třpytí první bubliny rosy. Mladá moucha "
           "Brimzel se právě naučila létat a dnešní noc je jako stvořená pro první lekci.",
           "Šipkami řídíš let, bubliny sbíráš jednu po druhé a zdravotní bubliny ti vrátí síly. "
           "Drž se ale dál od středu přitažlivosti: kdo se k němu přiblíží, toho vtáhne a bere mu "
           "energii.",
           "Ve tmě už krouží první vážky a brzy se k nim přidá i vosa. Zatím jsou pomalé a "
           "ospalé, ale jakmile tě zahlédnou, pustí se za tebou."}},
         {"Moonlit Night",
          {"The moon is rising over the meadow and the first dewdrop bubbles glitter in the "
           "grass. Brimzel, a young fly, has just learned to fly, and tonight is made for a first "
           "lesson.",
           "The arrow keys steer your flight; collect the bubbles one by one, and health bubbles "
           "bring your strength back. Keep away from the centre of gravity: it pulls in whoever "
           "comes close and drains their energy.",
           "The first dragonflies are already circling in the dark, and a wasp will soon join "
           "them. They are slow and sleepy for now, but once they spot you, they give chase."}}},
        {{"Zahrada pod starým stromem",
          {"Ráno voní zahrada po dešti. Pod korunou starého stromu se v kapkách na listech "
           "zrcadlí slunce a bublin je tu víc než kdy jindy.",
           "Jenže zahrada má své strážce. Mezi záhony hlídkují vosy a od potoka sem občas zaletí "
           "vážka. Stín stromu v popředí skryje tebe, ale i je."}},
         {"The Garden under the Old Tree",
          {"The garden smells of rain this morning. Under the crown of the old tree the sun "
           "shines in the drops on the leaves, and there are more bubbles here than ever.",
           "But the garden has its guards. Wasps patrol between the flower beds, and now and then "
           "a dragonfly drifts in from the creek. The shade of the tree in front hides you, and "
           "hides them too."}}},
        {{"Kamenitý potok",
          {"Za zahradou zurčí potok mezi kameny obrostlými mechem. Chladný vzduch nad vodou "
           "nese bubliny daleko po proudu.",
           "Nad hladinou se rojí drobní komáři, kteří jsou rychlejší, než vypadají, a na teplých "
           "kamenech se vyhřívají vosy. Mezi kameny je málo místa na úhyb, a tak si cestu "
           "naplánuj dřív, než si tě všimnou. U vody se brzy ukáže i vážka."}},
         {"The Stony Creek",
          {"Beyond the garden a creek babbles between mossy stones. The cool air above the "
           "water carries the bubbles far downstream.",
           "Tiny gnats swarm above the water, quicker than they look, and wasps bask on the warm "
           "stones. There is little room to dodge between the stones, so plan your route before "
           "they notice you. A dragonfly will soon turn up by the water, too."}}},
        {{"Zřícenina hradu",
          {"Soumrak barví staré hradby do ruda. Ve zřícenině hradu, kde kdysi hodovali rytíři, "
           "dnes vládnou sršni.",
           "Sršeň je větší a tmavší než vosa a jeho žihadlo bolí mnohem víc. Ve spletitých "
           "průchodech mezi zdmi se drž pod otevřeným nebem a nenech se zahnat do kouta."}},
         {"The Castle Ruins",
          {"Dusk paints the old walls red. In the castle ruins where knights once feasted, the "
           "hornets rule now.",
           "A hornet is bigger and darker than a wasp, and its sting hurts far more. In the "
           "tangled passages between the walls stay under the open sky and do not let yourself "
           "be cornered."}}},
        {{"Sklep při louči",
          {"Pod hradem se skrývá sklep, který osvětluje jen blikající louč. Mezi sudy a bednami "
           "se válejí zapomenuté bubliny.",
           "Ve tmě se špatně odhaduje vzdálenost. Komáři, vosy i sršni tu číhají za rohem a "
           "přitažlivost tě snadno stáhne mezi sudy. Leť pomalu a s rozvahou."}},
         {"The Torchlit Cellar",
          {"Beneath the castle lies a cellar lit only by a flickering torch. Forgotten bubbles "
           "lie about between the barrels and crates.",
           "Distances are hard to judge in the dark. Gnats, wasps and hornets lurk around the "
           "corners, and the pull of gravity easily drags you in between the barrels. Fly slowly "
           "and with "
           "care."}}},
        {{"Pokoj s lampou",
          {"Konečně lidský domov: útulný pokoj, nábytek a lampa, která občas zabliká. Světlo "
           "láká hmyz ze všech koutů.",
           "Když lampa pohasne, na okamžik nevidíš vůbec nic. Pamatuj si, kde stojí nábytek, a "
           "poslouchej bzučení: vosy, komáři i sršni se ke světlu slétají ve velkém."}},
         {"The Room with the Lamp",
          {"At last, a human home: a cosy room, furniture and a lamp that flickers now and "
           "then. The light draws insects from every corner.",
           "When the lamp goes dark, you see nothing at all for a moment. Remember where the "
           "furniture stands and listen to the buzzing: wasps, gnats and hornets flock to the "
           "light."}}},
        {{"Továrna",
          {"Za městem duní továrna. Pásy se hýbou, kola se točí a láhve jedou po pásu jedna za "
           "druhou. Bubliny víří v teplém vzduchu nad stroji.",
           "Hluk strojů přehluší bzučení, takže nepřátele uslyšíš pozdě. V továrně potkáš "
           "všechny: vosy, komáry, vážky i sršně."}},
         {"The Factory",
          {"Beyond the town the factory roars. Belts move, wheels turn and bottles ride along "
           "the belt one after another. Bubbles swirl in the warm air above the machines.",
           "The noise of the machines drowns out the buzzing, so you will hear your enemies "
           "late. In the factory you meet them all: wasps, gnats, dragonflies and hornets."}}},
        {{"Slunečný den",
          {"Poslední cesta vede zpátky na louku. Je slunečný den, obloha je modrá a slunce "
           "pomalu putuje po nebi.",
           "Tohle je zkouška všeho, co umíš. Nepřátel je nejvíc, času nejméně a bubliny se "
           "rozutekly po celé louce. Posbírej je všechny a zapiš se mezi nejlepší!"}},
         {"A Sunny Day",
          {"The last journey leads back to the meadow. It is a sunny day, the sky is blue and "
           "the sun wanders slowly across it.",
           "This is the test of everything you can do: the most enemies, the least time, and "
           "bubbles scattered all over the meadow. Collect them all and earn your place among "
           "the best!"}}},
    };
    return stories[(map - 1) % 8];
}

} // namespace

MapStory mapStory(int map, const std::string& language) {
    return language == "cz" ? story(map).cz : story(map).en;
}

} // namespace content::screens
