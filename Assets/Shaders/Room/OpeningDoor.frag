#version 120
// An exit opening once the room is cleared: the doorway's picture is unveiled
// from its centre outwards behind a rim of pale gold light, then keeps a faint
// glow so an open exit reads as one.

uniform sampler2D texture;
uniform float timer; // seconds since the room was cleared

const float OPEN_TIME = 1.2;

void main()
{
    vec2 uv = gl_TexCoord[0].xy;
    vec4 base = texture2D(texture, uv);

    float progress = clamp(timer / OPEN_TIME, 0.0, 1.0);
    progress = progress * progress * (3.0 - 2.0 * progress);
    float r = length((uv - 0.5) * vec2(1.0, 1.3));
    float radius = progress * 0.95;

    float shown = 1.0 - smoothstep(radius - 0.06, radius, r);
    float rim = smoothstep(radius - 0.12, radius - 0.03, r) * shown * (1.0 - progress * 0.7);

    vec3 gold = vec3(1.0, 0.86, 0.55);
    float pulse = 0.08 + 0.06 * sin(timer * 3.0);
    vec3 colour = base.rgb + gold * (rim * 0.9 + pulse * progress * (1.0 - r));
    gl_FragColor = vec4(colour, base.a * max(shown, rim)) * gl_Color;
}
