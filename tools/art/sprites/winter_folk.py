"""The winter folk who throw snowballs: WINTERCLOVEK1 the burly man in a fur hat, CLOVEK5 the
woman in a bobble hat and a long scarf, CLOVEK6 the skier who aims."""
from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look
from ._walkers import walker_sprite

FUR_HAT_MAN = Look(
    Build(chest=7.4, waist=8.0, belly=1.5, torso=16.0, head=7.6, limb=5.0),
    top=(P.COAT_GREEN, P.COAT_GREEN_SHADE), legs=(P.TROUSERS_BROWN, P.TROUSERS_BROWN_SHADE),
    shoes=(P.BOOT_FELT, P.BOOT_FELT_SHADE), gloves=(P.MITTEN_RED, P.MITTEN_RED_SHADE),
    items=(W.coat((P.COAT_GREEN, P.COAT_GREEN_SHADE), hem=6.0, fur=(P.FUR_LIGHT, P.FUR_LIGHT_SHADE)),
           W.belt(P.HAIR_BLACK, height=0.3),
           W.mustache((P.HAIR_RED, P.HAIR_RED_SHADE), size=1.2),
           W.fur_hat((P.FUR, P.FUR_SHADE), (P.HAIR_BROWN, P.HAIR_BROWN_SHADE))),
    nose=2.3,
)

SCARF_WOMAN = Look(
    Build(chest=6.0, waist=6.8, torso=15.0, head=7.4),
    top=(P.COAT_PURPLE, P.COAT_PURPLE_SHADE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
    shoes=(P.SHOE, P.SHOE_SHADE), gloves=(P.SCARF, P.SCARF_SHADE),
    items=(W.braid((P.HAIR_BLACK, P.HAIR_BLACK_SHADE)),
           *W.scarf((P.SCARF, P.SCARF_SHADE), stripe=P.SCARF_STRIPE),
           W.coat((P.COAT_PURPLE, P.COAT_PURPLE_SHADE), hem=7.0),
           W.short_hair((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), fringe=0.5),
           W.beanie((P.SHIRT_WHITE, P.SHIRT_WHITE_SHADE), pompom=(P.SHIRT_RED, P.SHIRT_RED_SHADE),
                    stripe=P.SHIRT_RED)),
)

SKIER = Look(
    Build(chest=6.8, waist=7.0, torso=15.5, head=7.4),
    top=(P.JACKET_ORANGE, P.JACKET_ORANGE_SHADE), legs=(P.DENIM, P.DENIM_SHADE),
    shoes=(P.BOOT_FELT, P.BOOT_FELT_SHADE), gloves=(P.HAIR_BLACK, P.HAIR_BLACK_SHADE),
    items=(W.stripes(P.SHIRT_WHITE, count=1), W.short_hair((P.HAIR_BLOND, P.HAIR_BLOND_SHADE), fringe=1.0),
           W.beanie((P.BLUE, P.DENIM_SHADE), pompom=(P.YELLOW, P.STRAW_SHADE)),
           W.goggles(P.HAIR_BLACK, (P.GOGGLE_LENS, P.GOGGLE_LENS))),
)

SPRITES = [
    walker_sprite("WINTERCLOVEK1", "winterclovek1.png", FUR_HAT_MAN, (46, 56), step_ms=80, held="snowball"),
    walker_sprite("CLOVEK5", "clovek5.png", SCARF_WOMAN, (44, 56), step_ms=80, held="snowball"),
    walker_sprite("CLOVEK6", "clovek6.png", SKIER, (44, 56), step_ms=75, held="snowball"),
]
