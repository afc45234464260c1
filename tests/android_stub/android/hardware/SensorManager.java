package android.hardware;

public abstract class SensorManager {
    public static final int SENSOR_DELAY_NORMAL = 3;

    SensorManager() {}

    public Sensor getDefaultSensor(int type) { throw new RuntimeException("Stub!"); }
    public boolean registerListener(SensorEventListener listener, Sensor sensor, int samplingPeriodUs) { throw new RuntimeException("Stub!"); }
    public void unregisterListener(SensorEventListener listener) { throw new RuntimeException("Stub!"); }
}
