#include "entity_descriptions.h"

namespace {

const std::vector<CEntityDescription> descriptions = {
    {"PLAYER", "The player's bird on a summer level (the first ten of a list): flies on the player's keys and "
               "drops BOBEK; falls when a hostile body or a harmful projectile touches it and loses a life on "
               "the ground. Place exactly one, in the open sky."},
    {"LITTLEBIRD", "A little bird sitting still, with its animation running. Solid: whatever touches it is put back "
                   "where it was; it catches the falling APPLEs."},
    {"APPLE", "An apple that falls at 2 pixels a step, drifting right at first; only the bird or a LITTLEBIRD "
              "removes it. Released by generators on the orchard level."},
    {"CLOVEK1", "A person who walks to and fro between x 60 and the right edge (630) and throws a KAMEN every "
                "1.5 to 5 s. A dropping on them scores 150 and may make them swear."},
    {"CLOVEK2", "A faster walker (1.5 pixels a step) who throws a KAMEN every 1 to 2.5 s; a dropping on them "
                "scores 150."},
    {"CLOVEK3", "Walks and throws like CLOVEK2 (stones every 1 to 2.5 s), in other clothes; a dropping scores "
                "150."},
    {"CLOVEK4", "Walks and throws like CLOVEK1 (a KAMEN every 1.5 to 5 s), in other clothes; a dropping scores "
                "150."},
    {"BOSS1", "The giant: walks like a person and throws four KAMEN and a KOULEUP at once every 1.8 s; a "
              "dropping on him scores 1000. Shows DESTROYED when the level is won."},
    {"BOBEK", "The bird's dropping: falls 2 pixels a step with half the wind as drift and is removed on a hostile "
              "body, a creature or a solid cell. Made by the bird; placing one drops it at once."},
    {"KAMEN", "A thrown stone: flies up 2 to 4 pixels a step, falls back under gravity and drifts with the wind; "
              "fells the bird. Removed on a solid cell or off the screen."},
    {"KAMEN2", "A stone of the stone catapult and the stationary throwers; flies like KAMEN and fells the bird."},
    {"BONUS10", "The score figure 10 of a near miss: rises and fades away."},
    {"BONUS50", "The score figure 50 of a closer miss: rises and fades away."},
    {"BONUS150", "The score figure 150 of a person or nest hit, or of a very close miss: rises and fades away."},
    {"BONUS250", "The score figure 250 of an animal hit, or of a very close miss of a SPOT: rises and fades away."},
    {"BONUS1000", "The score figure 1000 of a boss hit or a caught egg: rises and fades away."},
    {"NASOBITEL2", "The combo multiplier label x2 of very close misses in quick succession: rises and fades."},
    {"NASOBITEL3", "The combo multiplier label x3: rises and fades."},
    {"NASOBITEL4", "The combo multiplier label x4: rises and fades."},
    {"NASOBITEL5", "The combo multiplier label x5: rises and fades."},
    {"NASOBITEL6", "The combo multiplier label x6: rises and fades."},
    {"NASOBITEL7", "The combo multiplier label x7: rises and fades."},
    {"NASOBITEL8", "The combo multiplier label x8: rises and fades."},
    {"NASOBITEL9", "The combo multiplier label x9: rises and fades."},
    {"NASOBITEL10", "The combo multiplier label x10, the highest: rises and fades."},
    {"TREE1", "Summer scenery: a tree. Droppings fall through it."},
    {"TREE2", "Summer scenery: a tree. Droppings fall through it."},
    {"TREE3", "Summer scenery: a tree. Droppings fall through it."},
    {"FLOWER1", "Summer scenery: a flower."},
    {"FLOWER2", "Summer scenery: a flower."},
    {"FLOWERS1", "Summer scenery: a patch of flowers."},
    {"FLOWERS2", "Summer scenery: a patch of flowers."},
    {"NEST", "A nest: a dropping on it scores 250 (the figure shows 150) while its animation shows its first "
             "frame; it stops droppings."},
    {"KATAPULT1", "A catapult with a boy: when a hostile body (a walking person) steps on it, it fires the "
                  "FLYINGBOY1 up into the sky and stays empty until the boy lands on it again."},
    {"KATAPULT2", "A stone catapult: every 1.6 to 2.4 s it creaks and hurls a KAMEN2 to the left."},
    {"FLYINGBOY1", "The boy the boy catapult fires: flies up and falls back like a stone, and fells the bird on "
                   "the way."},
    {"HRAD1", "Castle scenery: a wall or tower."},
    {"HRAD2", "Castle scenery: a wall or tower."},
    {"HRAD3", "Castle scenery without a collision box: it shares its kind with the ammunition parachute and would "
              "otherwise refill the bird's droppings (the level check insists on the empty box)."},
    {"PADAKBOBKY", "Ammunition parachute: 20 more droppings; every third one adds a dropping to each shot. The game "
                   "sends it only when the bird has none left. Followed directly by PADAKBOMB it calls the friendly "
                   "birds."},
    {"PADAKSTIT", "Shield parachute: the bird is translucent and cannot be felled for 3 s."},
    {"PADAKZIVOT", "Extra life parachute: one more life; it comes the more often the fewer lives are left."},
    {"PADAKGOODTIME", "Time parachute: 10 s more to play."},
    {"PADAKBADTIME", "Bad time parachute: 5 s less to play."},
    {"PADAKBAD", "Bad parachute: the bird turns green and left and right are swapped for 3 s."},
    {"PADAKSPEED", "Fast parachute: the whole game runs at double speed for 3 s."},
    {"PADAKSLOW", "Slow parachute: the whole game runs at half speed for 3 s."},
    {"PADAKSECRET", "Secret parachute: one of ten effects drawn at random."},
    {"PADAKLEVEL", "Level parachute: the level is won at once. Rare."},
    {"PADAKBOMB", "Bomb parachute: a herd of cats, dogs and pigs runs across the ground to be hit."},
    {"PADAKWING", "Wing parachute: the bird flies faster (speed +0.15) for the rest of the game. Rare."},
    {"PADAKKING", "Parachute: the bird flies slower (speed -0.15) for the rest of the game."},
    {"PADAKLAVINA", "Avalanche parachute: 35 KOULE fall from the sky at once."},
    {"CAT", "A cat that runs right along the ground at 2 pixels a step and leaves at x 600; a dropping on it "
            "scores 250. Summer animals come by themselves on the first ten levels of a list."},
    {"DOG", "A dog that runs right along the ground and leaves at x 600; a dropping on it scores 250."},
    {"PIG", "A pig that runs right along the ground and leaves at x 600; a dropping on it scores 250."},
    {"WINTERDOG", "A winter dog that runs right along the ground and leaves at x 600; a dropping on it scores 250. "
                  "Winter animals come by themselves from the eleventh level of a list."},
    {"FOX", "A fox that runs right along the ground and leaves at x 600; a dropping on it scores 250."},
    {"PENGUIN", "A penguin that waddles right along the ground and leaves at x 600; a dropping on it scores 250."},
    {"ROGALO", "A hang-glider that crosses the sky to the right, dropping a KOULE every 0.7 to 1.1 s on hard (1.1 "
               "to 1.5 s on easy), and leaves at x 600; it fells the bird."},
    {"KOULE", "A ball that falls straight down at 2 pixels a step until a solid cell; it fells the bird."},
    {"KOULEUP", "A ball fired upwards (cannons, balloons, bosses): flies like a stone and fells the bird."},
    {"KANON", "A cannon that fires a KOULEUP upwards every 1.2 to 2.7 s (longer on easy). It never moves."},
    {"BALON", "A balloon that rises at 0.7 pixels a step and fires three KAMEN and two KOULEUP every 1.5 s on hard "
              "to 3.8 s on easy; gone on a solid cell or at the top."},
    {"KUL", "A stake for the stationary throwers to stand on; it stops droppings and fells the bird on touch."},
    {"KULCLOVEK1", "A stationary thrower on a stake: throws a KAMEN2 to the right every 0.4 s on hard (0.64 s on "
                   "easy). A target that scores nothing and fells the bird on touch."},
    {"KULCLOVEK2", "A stationary thrower on a stake: throws a KAMEN2 to the left every 0.55 s on hard (0.88 s on "
                   "easy)."},
    {"KULCLOVEK3", "A stationary thrower on a stake: throws a KAMEN2 to the right every 0.73 s on hard (1.17 s on "
                   "easy)."},
    {"CEDULE1", "Scenery: a signboard."},
    {"KANON2", "A reloading cannon: a dropping on it while it is loaded fires a volley of ten stones and balls, "
               "then it reloads (5.6 s on easy to 9 s on hard). A target that fells the bird on touch."},
    {"PLANE", "An aeroplane that crosses the sky to the right dropping EGGs (and now and then a KOULE) and "
              "leaves at x 600; it fells the bird."},
    {"EGG", "An egg dropped by the plane: the bird catches it for 1000; if it breaks on a solid cell the level "
            "is lost."},
    {"BONUSFANTASTIC", "The praise label of a combo that reached x5, at the bottom of the screen when the combo "
                       "ends: bobs for 3 s."},
    {"BONUSGOOD", "The praise label of a combo that reached x3, at the bottom of the screen when the combo ends: "
                  "bobs for 3 s."},
    {"BONUSGREAT", "The praise label of a combo that reached x4: bobs for 3 s."},
    {"BONUSNOWAY", "The praise label of a combo that reached x7: bobs for 3 s."},
    {"BONUSWOW", "The praise label of a combo that reached x8: bobs for 3 s."},
    {"BONUSEXCELLENT", "The praise label of a combo that reached x6: bobs for 3 s."},
    {"BONUSCHAMPION", "The praise label of a combo that reached x9: bobs for 3 s."},
    {"WINTERPLAYER", "The player's bird on a winter level (from the eleventh of a list): flies and drops like "
                     "PLAYER. Place exactly one, in the open sky."},
    {"WINTERCLOVEK1", "A person in winter clothes who walks to and fro at 1.8 pixels a step and throws a SNOWBALL "
                      "every 1.8 s; a dropping scores 150."},
    {"WINTERBALON", "A winter balloon that rises at 0.7 pixels a step and fires snowballs and balls every 1.2 s on "
                    "hard to 1.9 s on easy; gone on a solid cell or at the top."},
    {"SNOWBALL", "A thrown snowball: flies like a stone and fells the bird."},
    {"TREE4", "Winter scenery: a snowy tree."},
    {"KRYSTAL1", "Winter scenery: an ice crystal."},
    {"KRYSTAL2", "Winter scenery: an ice crystal."},
    {"YETI", "A yeti who walks to and fro and throws two SNOWBALLs at once every 1.8 s (three on hard); a "
             "dropping scores 150."},
    {"YETILEZICI", "A lying yeti who thumps the ground every 4 to 12 s, shaking a shower of KAPKA drops from the "
                   "sky (more on harder sets)."},
    {"RAMPOUCH1", "An icicle that sheds a KAPKA drop from its tip (42 pixels below it) every few seconds, less "
                  "often on easy."},
    {"RAMPOUCH2", "A short icicle that sheds a KAPKA drop 25 pixels below it every few seconds."},
    {"KAPKA", "A water drop that falls straight down until a solid cell; it fells the bird."},
    {"VYKUK", "A peeker: invisible at first, it peeks out, throws a SNOWBALL every 0.5 s for 4 s, and hides "
              "again."},
    {"CLOVEK5", "A winter walker like WINTERCLOVEK1 (a SNOWBALL every 1.8 s); a dropping scores 150."},
    {"WINTERKOULE", "An ice ball fired upwards by the winter cannon: flies like a stone and fells the bird."},
    {"WINTERKANON2", "A winter reloading cannon: a dropping on it while it is loaded fires ten snowballs and ice "
                     "balls, on medium and hard with a shower of drops, then it reloads for 9 s."},
    {"BOSS2", "The flying boss: patrols the sky bombing with FALLINGWINTERKOULE, dives from 20 s and fires "
              "upwards from 40 s; it fells the bird on touch and sinks when the level ends."},
    {"FALLINGWINTERKOULE", "A snowball dropped from above (the flying boss, the trigger balloon): falls under "
                           "gravity and fells the bird; it knocks down the edge yetis."},
    {"DIDUDO", "A friendly bird: flies right across the sky dropping BOBEKs by itself and leaves at x 600. Called "
               "by an ammunition parachute followed directly by a bomb parachute, or by a BIRDGENERATOR."},
    {"BIRDGENERATOR", "Sends a friendly DIDUDO from where it stands every 5 to 9 s on hard, 8 to 12 s on easy."},
    {"BIRDGENERATOR2", "Sends a fainting little bird BONUSDIDUDO from where it stands every 0.25 to 3.4 s: the "
                       "rescue level's source of birds."},
    {"MSGANIMALS", "The message of the bomb parachute (the animals are coming): rises and fades."},
    {"MSGFRIENDS", "The message of the friendly birds: rises and fades."},
    {"MSGMINUSSPEED", "The message of a slower bird: rises and fades."},
    {"MSGMINUSTIME", "The message of 5 s less: rises and fades."},
    {"MSGPLUSAMMO", "The message of 20 more droppings: rises and fades."},
    {"MSGPLUSLIVES", "The message of an extra life: rises and fades."},
    {"MSGPLUSSPEED", "The message of a faster bird: rises and fades."},
    {"MSGPLUSTIME", "The message of 10 s more: rises and fades."},
    {"TRIGGERBALON", "A trigger balloon: rises, fires a SNOWBALL every 0.4 s on hard (0.64 s on easy), and a "
                     "dropping on it lets fall two FALLINGWINTERKOULE, which knock down the edge yetis. A target "
                     "that fells the bird."},
    {"HYETILEFT", "The edge yeti on the left: sets off an avalanche of snowballs every 7 to 14 s; a "
                  "FALLINGWINTERKOULE knocks it down for 5000 (the figure shows 1000)."},
    {"HYETIRIGHT", "The edge yeti on the right: avalanches like HYETILEFT and is knocked down the same way."},
    {"NOSIC", "The water carrier of the rescue level: walks on the left and right keys, pours VODA on the shoot "
              "key and refills at the KOTEL. A level with it places no bird and requires a score of 0."},
    {"KOTEL", "The cauldron of the rescue level: the shoot key with an empty can while the carrier touches it fills "
              "the can with 15 drops."},
    {"VODA", "A drop of water the carrier pours: falls until it meets a bird, a target or a solid cell; it "
             "revives a fainted BONUSDIDUDO."},
    {"PLAMEN", "Scenery of the rescue level: a flame."},
    {"BONUSDIDUDO", "A little bird of the rescue level: flies right, faints after 1 to 4 s and falls; on the "
                    "ground it overheats, and when one overheats the level is lost. Water revives it."},
    {"MEGASNOWBALL", "A big snowball of the snowball gunner: aimed at the bird, falls under gravity and fells "
                     "it."},
    {"RAMBO", "A snowball gunner: fires a MEGASNOWBALL at the bird every 1.6 s. It never moves."},
    {"TREE5", "Winter scenery: a tree."},
    {"CLOVEK6", "A winter walker (1.8 pixels a step) who aims a SNOWBALL at the bird every 1.8 s; a dropping "
                "scores 150."},
    {"CAR1", "Scenery: a car that never moves."},
    {"SPOT", "A red balloon that bobs up and down on the spot; it fells the bird, and a very close miss of it sets "
             "the combo to x10 and scores 2500."},
    {"VELBLOUD", "A camel who walks to and fro and spits two DKOULE towards the bird every 1.8 s; a dropping "
                 "scores 150."},
    {"SKORPION", "A scorpion that crawls right at 1.5 pixels a step, shoots a SPIKE every second and leaves at "
                 "x 600. A target that scores nothing."},
    {"DFLOWER1", "Desert scenery: a flower. Without a collision box, it touches nothing."},
    {"DFLOWER2", "Desert scenery: a flower. Without a collision box, it touches nothing."},
    {"DFLOWER3", "Desert scenery: a flower. Without a collision box, it touches nothing."},
    {"DFLOWER4", "Desert scenery: a flower. Without a collision box, it touches nothing."},
    {"KAKTUS1", "Desert scenery: a cactus. Without a collision box, it touches nothing."},
    {"KAKTUS2", "Desert scenery: a cactus. Without a collision box, it touches nothing."},
    {"DKOULE", "A ball the camel spits: flies like a stone with the camel's aim and fells the bird."},
    {"SPIKE", "A spike the scorpion shoots: flies at 6 pixels a step towards where the bird was and leaves at "
              "the top. It has no collision box, so it harms nothing."},
    {"SUP", "A vulture that hunts the bird, turning towards it now and then; it fells the bird on touch."},
    {"KOSTRA", "Desert scenery: a skeleton. Without a collision box, it touches nothing."},
    {"GOLDENSUP", "A golden vulture that hunts the bird from above and drops a KOULE every 0.5 s while it is "
                  "over it."},
    {"EGGRUNNER", "A runner that crosses the ground to the right and leaves at x 600; a dropping on it scores "
                  "250."},
};

}

const std::vector<CEntityDescription>& entityDescriptionList()
{
    return descriptions;
}

std::string describe(const std::string& name)
{
    for (const CEntityDescription& description : descriptions)
        if (name == description.name)
            return description.text;
    return std::string();
}
