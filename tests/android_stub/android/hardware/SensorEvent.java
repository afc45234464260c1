package android.hardware;

public class SensorEvent {
    public final float[] values = null;

    SensorEvent() {}
}
