"""The summer villagers who pelt the bird with stones: CLOVEK1 the farmer, CLOVEK2 the woman
with her basket, CLOVEK3 the boy and CLOVEK4 the fat grocer."""
from .. import palette as P
from ..figures import wardrobe as W
from ..figures.person import Build, Look
from ._walkers import walker_sprite


FARMER = Look(
    Build(),
    top=(P.SHIRT_RED, P.SHIRT_RED_SHADE), legs=(P.DENIM, P.DENIM_SHADE), short_sleeves=True,
    skin=(P.SKIN_TAN, P.SKIN_TAN_SHADE),
    items=(W.short_hair((P.HAIR_BROWN, P.HAIR_BROWN_SHADE)), W.overalls((P.DENIM, P.DENIM_SHADE)),
           W.straw_hat()),
)

BASKET_WOMAN = Look(
    Build(chest=6.0, waist=6.6, torso=15.0, head=7.4),
    top=(P.DRESS_GREEN, P.DRESS_GREEN_SHADE), legs=(P.DRESS_GREEN, P.DRESS_GREEN_SHADE),
    bare_shins=True, short_sleeves=True, shoes=(P.SHIRT_RED, P.SHIRT_RED_SHADE),
    items=(W.braid((P.HAIR_BLOND, P.HAIR_BLOND_SHADE)), W.basket((P.BASKET, P.BASKET_SHADE)),
           W.skirt((P.DRESS_GREEN, P.DRESS_GREEN_SHADE), hem=7.0, flare=2.0),
           W.apron((P.APRON, P.APRON_SHADE), length=1.4),
           W.short_hair((P.HAIR_BLOND, P.HAIR_BLOND_SHADE)), W.kerchief((P.KERCHIEF, P.KERCHIEF_SHADE))),
)

BOY = Look(
    Build(thigh=5.0, shin=5.0, torso=12.0, chest=5.6, waist=6.0, head=7.2, arm=6.0, limb=4.0, hand=2.0,
          foot=4.0),
    top=(P.SHIRT_WHITE, P.SHIRT_WHITE_SHADE), legs=(P.SHORTS, P.SHORTS_SHADE), short_sleeves=True,
    bare_shins=True,
    items=(W.stripes(P.STRIPE_NAVY), W.short_hair((P.HAIR_RED, P.HAIR_RED_SHADE), fringe=1.0),
           W.freckles(), W.cap((P.BLUE, P.DENIM_SHADE), visor_back=True)),
    eyes=1.1,
)

GROCER = Look(
    Build(thigh=5.5, shin=5.5, torso=16.5, chest=7.0, waist=7.6, belly=5.0, head=7.8, limb=5.0),
    top=(P.GROCER_VEST, P.GROCER_VEST_SHADE), legs=(P.TROUSERS_GREY, P.TROUSERS_GREY_SHADE),
    items=(W.apron((P.APRON, P.APRON_SHADE), length=1.0), W.bow_tie((P.YELLOW, P.STRAW_SHADE)), W.fringe_hair((P.HAIR_GREY, P.HAIR_GREY_SHADE)),
           W.mustache((P.HAIR_BLACK, P.HAIR_BLACK_SHADE), size=1.15)),
    nose=2.4,
)

SPRITES = [
    walker_sprite("CLOVEK1", "clovek1.png", FARMER, (44, 56), step_ms=110),
    walker_sprite("CLOVEK2", "clovek2.png", BASKET_WOMAN, (44, 56), step_ms=80),
    walker_sprite("CLOVEK3", "clovek3.png", BOY, (40, 48), step_ms=80),
    walker_sprite("CLOVEK4", "clovek4.png", GROCER, (48, 56), step_ms=120),
]
